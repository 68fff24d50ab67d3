#pragma once

#include "frame/UiTables.h"

#include <QMainWindow>
#include <vector>

class CCommandActions;
class CTavlinApp;
class CTvFormView;
class CTvHtmlView;
class CsSplitterWnd;
class QComboBox;
class QLabel;
class QToolBar;

// The reader's single top-level window: menu bar, the standard and "Hledat" toolbars, the status
// bar, and the splitter with the navigation pane on the left and the document view on the right.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Command ids the frame itself names.
    enum : int {
        ID_FILE_PRINT = 57607,
        ID_APP_EXIT = 57665,
        ID_EDIT_COPY = 32795,
        ID_EDIT_COPY_ALL = 32794,
        ID_FIND_IN_TEXT = 32789,
        ID_FIND_LABEL = 32787,
        ID_FIND_COMBO = 32788,
        ID_NOTE = 32793,
        ID_FIND_NEXT = 32786,
        ID_FIND_PREVIOUS = 32792,
        ID_GO_BACK = 32784,
        ID_GO_FORWARD = 32785,
        ID_FAVOURITE_ADD = 32796,
        ID_FAVOURITE_REMOVE = 32797,
        ID_HELP = 32832,
        ID_START_PAGE = 32791,
        ID_WEB_ORDER = 32833,
        ID_APP_ABOUT = 57664,
        ID_VIEW_TOOLBAR = 59392,
        ID_VIEW_SEARCHBAR = 32830,
        ID_LOOK = 32781,
        ID_CUSTOMIZE = 32782,
        ID_NEXT_PANE = 57680,
        ID_PREV_PANE = 57681,
        ID_APPLY_LOOK = 29999,
    };
    CMainFrame(CTavlinApp& app, bool bShellLaunch);
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
    // Enables and checks the commands from the current state.
    void UpdateCommandUI();
    // The toolbar context menu.
    QMenu* createPopupMenu() override;

    // The find-in-text box of the "Hledat" toolbar.
    QComboBox* GetSearchCombo() const { return m_pSearchCombo; }
    CTvHtmlView* GetHtmlView() const { return m_pHtmlView; }
    CTvFormView* GetNavView() const { return m_pNavView; }
    CsSplitterWnd* GetSplitter() const { return m_wndSplitter; }
    QToolBar* GetToolBar() const { return m_wndToolBar; }
    QToolBar* GetSearchBar() const { return m_wndSearchBar; }
    CCommandActions& Commands() const { return *m_pCommands; }

    bool m_bCanGoBack = false;
    bool m_bCanGoForward = false;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnCreateClient();
    void OnCreate();
    QWidget* MakeToolbarWidget(const ToolbarEntry& entry);
    void AddAccelerators();
    bool IsCommandEnabled(int id) const;
    // The command of the menu item or toolbar button under the mouse pointer, 0 for none.
    int CommandUnderPointer() const;
    void OnNextPane(bool bForward);
    void OnNote();
    void UpdateIndicators(Qt::KeyboardModifiers modifiers, quint32 nativeModifiers);
    bool RedirectTyping(QObject* watched, QEvent* event);

    CTavlinApp& m_app;
    CCommandActions* m_pCommands = nullptr;
    std::vector<MenuTemplate> m_menus;
    CTvFormView* m_pNavView = nullptr;
    CTvHtmlView* m_pHtmlView = nullptr;
    CsSplitterWnd* m_wndSplitter = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QToolBar* m_wndSearchBar = nullptr;
    QComboBox* m_pSearchCombo = nullptr;
    QLabel* m_pMessagePane = nullptr;
    QLabel* m_pIndicators[3] = {};
};
