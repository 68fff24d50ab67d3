#pragma once

#include "frame/UiTables.h"
#include "platform/CommandTable.h"

#include <QMainWindow>
#include <vector>

class CCommandActions;
class FavouritesMenu;
class FrameHost;
class NoteCommand;
class ReadingDay;
class CTvFormView;
class CTvHtmlView;
class CsSplitterWnd;
class QComboBox;
class QLabel;
class QToolBar;
class ToolbarManager;

// The reader's single top-level window: menu bar, the standard and "Hledat" toolbars, the status
// bar, and the splitter with the navigation pane on the left and the document view on the right.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(FrameHost& app, bool bShellLaunch);
    ~CMainFrame() override;

    // Puts a text into the message pane as it is (the application's SetStatusText).
    void SetStatusText(const QString& text);
    // The status-bar request of the framework: a string id (0 for a text).
    void OnSetMessageString(unsigned nId);
    QString GetIdleMessage() const;

    void ShowFavouritesAndStart();
    void ApplyLookColours();
    // Runs a command as the menu, a toolbar button or an accelerator would; disabled commands do
    // nothing.
    void OnCommand(int id);
    // What the commands do, registered by the subsystems that own them.
    CommandTable& GetCommandTable() { return m_commandTable; }
    // Enables and checks the commands from the current state.
    void UpdateCommandUI();
    // The toolbar context menu.
    QMenu* createPopupMenu() override;
    // The end of a conversation that handed over a link. After the first one of a start through
    // a link, timer 1 fills the lists that the start left empty, 2 s later.
    void OnDDETerminate();
    void OnTimer(int nIDEvent);

    // The find-in-text box of the "Hledat" toolbar, null when the user has taken it away.
    QComboBox* GetSearchCombo() const;
    // "Najít v textu" and Enter in the find box: the box's text into its history, then the find.
    void OnFindInText();
    // The user's toolbars and the saved layout of the bars.
    void LoadCustomState();
    ToolbarManager& GetToolbars() const { return *m_pToolbars; }
    CTvHtmlView* GetHtmlView() const { return m_pHtmlView; }
    CTvFormView* GetNavView() const { return m_pNavView; }
    CsSplitterWnd* GetSplitter() const { return m_wndSplitter; }
    QToolBar* GetToolBar() const { return m_wndToolBar; }
    QToolBar* GetSearchBar() const { return m_wndSearchBar; }
    CCommandActions& Commands() const { return *m_pCommands; }
    FavouritesMenu& Favourites() const { return *m_pFavourites; }
    ReadingDay& GetReadingDay() const { return *m_pReadingDay; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void releaseListsAfterFirstPage();
    void OnCreateClient();
    void OnCreate();
    QWidget* MakeToolbarWidget(const ToolbarEntry& entry);
    void AddAccelerators();
    void RegisterFrameCommands();
    void OnAppLook();
    void OnCustomize();
    void OnWebOrder();
    // The command of the menu item or toolbar button under the mouse pointer, 0 for none.
    int CommandUnderPointer() const;
    void OnNextPane(bool bForward);
    void UpdateIndicators(Qt::KeyboardModifiers modifiers, quint32 nativeModifiers);
    bool RedirectTyping(QObject* watched, QEvent* event);

    FrameHost& m_app;
    CommandTable m_commandTable;
    CCommandActions* m_pCommands = nullptr;
    std::vector<MenuTemplate> m_menus;
    CTvFormView* m_pNavView = nullptr;
    CTvHtmlView* m_pHtmlView = nullptr;
    CsSplitterWnd* m_wndSplitter = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QToolBar* m_wndSearchBar = nullptr;
    ToolbarManager* m_pToolbars = nullptr;
    QLabel* m_pMessagePane = nullptr;
    QLabel* m_pIndicators[3] = {};
    FavouritesMenu* m_pFavourites = nullptr;
    NoteCommand* m_pNoteCommand = nullptr;
    ReadingDay* m_pReadingDay = nullptr;
};
