#pragma once

#include "frame/UiTables.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class CCommandActions;
class CommandTable;
class QMainWindow;
class QToolBar;
class QWidget;

// The window's toolbars as the user has made them: the standard toolbar (128) and the "Hledat"
// toolbar (142), whose buttons can be changed and reset to the resource tables, and up to ten
// toolbars of the user's own (ids 59432 to 59441). Their buttons and the layout of all bars are
// kept under the toolbar-state key: saved at an orderly close, restored at start.
class ToolbarManager : public QObject {
    Q_OBJECT
public:
    static constexpr int kFirstUserBarId = 59432;
    static constexpr int kMaxUserBars = 10;

    // Makes the label and the find box of toolbar 142.
    using WidgetMaker = std::function<QWidget*(const ToolbarEntry&)>;

    ToolbarManager(QMainWindow& frame, CCommandActions& commands,
                   std::vector<ToolbarTemplate> templates, WidgetMaker makeWidget,
                   const QString& programFolder);

    // Takes one of the resource toolbars into the manager and fills it from its table.
    void AddResourceBar(QToolBar* bar, int id);
    // The commands that toolbars can hold: every command of the menus, in menu order.
    QList<int> AvailableCommands() const { return m_availableCommands; }
    void SetAvailableCommands(QList<int> commands) { m_availableCommands = std::move(commands); }

    // Every bar in order: the resource bars, then the user's.
    QList<QToolBar*> Bars() const;
    int BarId(const QToolBar* bar) const;
    // The index-th existing user toolbar, null when there are fewer.
    QToolBar* GetUserBarByIndex(int index) const;
    int UserBarCount() const { return static_cast<int>(m_userBars.size()); }
    bool IsUserBar(const QToolBar* bar) const { return m_userBars.contains(bar); }

    // A new, empty and visible user toolbar under the first free id; null when ten exist.
    QToolBar* CreateUserToolbar(const QString& title, int id = 0);
    void DeleteUserToolbar(QToolBar* bar);
    // Back to the buttons of the resource table (toolbar 128 or 142); false for other bars.
    bool ResetToolbar(int id);

    ToolbarTemplate Contents(const QToolBar* bar) const;
    void SetContents(QToolBar* bar, const ToolbarTemplate& contents);

    // The picture of a button: a drawn picture by name, or "user:N", the N-th picture of
    // "Tavlin.bmp" in the program folder (16 pixels wide each).
    QIcon ButtonIcon(const QString& name) const;
    int UserImageCount() const { return static_cast<int>(m_userImages.size()); }
    // The picture name a command has on the resource toolbars, empty when it has none.
    QString CommandPicture(int id) const;

    void LoadCustomState();
    void SaveCustomState() const;

    // Showing and hiding the user toolbars (32771 to 32780).
    void RegisterCommands(CommandTable& table);

signals:
    // A bar was created, deleted, renamed or changed.
    void barsChanged();

private:
    void FillBar(QToolBar* bar, const ToolbarTemplate& contents);
    QToolBar* MakeBar(int id, const QString& title);

    QMainWindow& m_frame;
    CCommandActions& m_commands;
    std::vector<ToolbarTemplate> m_templates;
    WidgetMaker m_makeWidget;
    QList<QToolBar*> m_resourceBars;
    QList<QToolBar*> m_userBars;
    QList<int> m_availableCommands;
    std::vector<QIcon> m_userImages;
};
