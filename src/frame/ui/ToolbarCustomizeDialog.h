#pragma once

#include "frame/UiTables.h"

#include <QDialog>

class CCommandActions;
class QComboBox;
class QListWidget;
class QPushButton;
class QToolBar;
class ToolbarManager;

// The customisation of the toolbars: which bars are shown, the user's own bars (new, renamed,
// deleted), the buttons of each bar (added from the menus' commands, removed, moved, separators,
// a picture of "Tavlin.bmp" for a user bar's button) and the reset of a resource toolbar. Every
// change applies at once; the dialog is modeless.
class ToolbarCustomizeDialog : public QDialog {
    Q_OBJECT
public:
    ToolbarCustomizeDialog(ToolbarManager& toolbars, CCommandActions& commands, QWidget* parent);

    QToolBar* CurrentBar() const;
    void SelectBar(QToolBar* bar);
    // The operations behind the buttons; the ones that ask for a title take it as an argument.
    QToolBar* NewBar(const QString& title);
    void RenameBar(const QString& title);
    void DeleteBar();
    void ResetBar();
    void AddCommand(int id);
    void AddSeparator();
    void RemoveButton();
    void MoveButton(int delta);
    void SetPicture(int userImage);

    QListWidget* BarList() const { return m_bars; }
    QListWidget* ButtonList() const { return m_buttons; }

private:
    void InsertEntry(const ToolbarEntry& entry);
    void FillBars();
    void FillButtons();
    void UpdateButtons();
    QString CommandText(int id) const;
    void AskNewBar();
    void AskRename();

    ToolbarManager& m_toolbars;
    CCommandActions& m_commands;
    QListWidget* m_bars = nullptr;
    QListWidget* m_buttons = nullptr;
    QListWidget* m_available = nullptr;
    QComboBox* m_picture = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_reset = nullptr;
    bool m_bFilling = false;
};
