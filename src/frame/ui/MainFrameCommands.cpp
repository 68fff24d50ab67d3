#include "app/Strings.h"
#include "document/ui/TvHtmlView.h"
#include "frame/ui/CommandBars.h"
#include "frame/ui/MainFrame.h"
#include "frame/ui/SplitterWnd.h"
#include "navigation/ui/TvFormView.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QToolBar>
#include <algorithm>

namespace {
// Commands whose behaviour is not in the program yet: shown, but greyed.
constexpr int kCommandsNotYetBuilt[] = {
    CMainFrame::ID_FILE_PRINT,   CMainFrame::ID_EDIT_COPY,     CMainFrame::ID_EDIT_COPY_ALL,
    CMainFrame::ID_FIND_IN_TEXT, CMainFrame::ID_FIND_NEXT,     CMainFrame::ID_FIND_PREVIOUS,
    CMainFrame::ID_NOTE,         CMainFrame::ID_FAVOURITE_ADD, CMainFrame::ID_FAVOURITE_REMOVE,
    CMainFrame::ID_WEB_ORDER,    CMainFrame::ID_APP_ABOUT,     CMainFrame::ID_LOOK,
    CMainFrame::ID_CUSTOMIZE,
};

bool isFixedLawCommand(int id) {
    return (id >= 32798 && id <= 32808) || id == 32829;
}

// The user-defined toolbars of the context menu (32771 to 32780).
bool isUserToolbarCommand(int id) {
    return id >= 32771 && id <= 32780;
}
} // namespace

bool CMainFrame::IsCommandEnabled(int id) const {
    if (std::find(std::begin(kCommandsNotYetBuilt), std::end(kCommandsNotYetBuilt), id) !=
        std::end(kCommandsNotYetBuilt))
        return false;
    if (isUserToolbarCommand(id))
        return false;
    switch (id) {
    case ID_GO_BACK:
        return m_bCanGoBack;
    case ID_GO_FORWARD:
        return m_bCanGoForward;
    default:
        return true;
    }
}

void CMainFrame::UpdateCommandUI() {
    for (int id : m_pCommands->ids()) {
        QAction* action = m_pCommands->find(id);
        action->setEnabled(IsCommandEnabled(id));
    }
    if (QAction* action = m_pCommands->find(ID_VIEW_TOOLBAR)) {
        action->setCheckable(true);
        action->setChecked(m_wndToolBar->isVisible());
    }
    if (QAction* action = m_pCommands->find(ID_VIEW_SEARCHBAR)) {
        action->setCheckable(true);
        action->setChecked(m_wndSearchBar->isVisible());
    }
}

void CMainFrame::OnCommand(int id) {
    if (!IsCommandEnabled(id))
        return;
    switch (id) {
    case ID_APP_EXIT:
        close();
        break;
    case ID_GO_BACK:
        m_pHtmlView->GoBack();
        break;
    case ID_GO_FORWARD:
        m_pHtmlView->GoForward();
        break;
    case ID_START_PAGE:
        m_pHtmlView->ShowStartPage();
        break;
    case ID_HELP:
        m_pHtmlView->ShowHelpPage();
        break;
    case ID_VIEW_TOOLBAR:
        m_wndToolBar->setVisible(!m_wndToolBar->isVisible());
        break;
    case ID_VIEW_SEARCHBAR:
        m_wndSearchBar->setVisible(!m_wndSearchBar->isVisible());
        break;
    case ID_NEXT_PANE:
    case ID_PREV_PANE:
        OnNextPane(id == ID_NEXT_PANE);
        break;
    case ID_APPLY_LOOK:
        ApplyLookColours();
        break;
    default:
        if (isFixedLawCommand(id))
            m_pNavView->OpenFixedLaw(static_cast<unsigned>(id));
        break;
    }
    UpdateCommandUI();
}

void CMainFrame::AddAccelerators() {
    const std::vector<AcceleratorEntry> accelerators =
        parseAcceleratorTable(readUiTable(QStringLiteral("accelerators.txt")));
    for (const AcceleratorEntry& accelerator : accelerators) {
        // Shortcuts of their own, so that menu items keep the shortcut texts of the menu table.
        auto* shortcut = new QShortcut(QKeySequence(accelerator.keys), this);
        shortcut->setContext(Qt::WindowShortcut);
        const int command = accelerator.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] { OnCommand(command); });
    }
}

void CMainFrame::OnNextPane(bool /*bForward*/) {
    // Two panes: the next and the previous pane are the same, the one without the focus.
    QWidget* focus = focusWidget();
    const bool bInHtml = focus && (focus == m_pHtmlView || m_pHtmlView->isAncestorOf(focus));
    if (bInHtml)
        m_pNavView->setFocus(Qt::OtherFocusReason);
    else
        m_pHtmlView->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::OnNote() {
    // The note dialog is not part of the program yet; the note icon does nothing.
}

QMenu* CMainFrame::createPopupMenu() {
    const MenuTemplate* menu = findMenu(m_menus, 138);
    if (!menu || menu->popups.empty())
        return nullptr;
    QMenu* popup = buildPopupMenu(menu->popups.front(), *m_pCommands, this);
    // No user-defined toolbars exist: their items are left out.
    for (QAction* action : popup->actions())
        if (isUserToolbarCommand(action->data().toInt()))
            popup->removeAction(action);
    UpdateCommandUI();
    return popup;
}
