#include "document/ui/TvHtmlView.h"
#include "frame/ui/CommandBars.h"
#include "frame/ui/MainFrame.h"
#include "frame/ui/SplitterWnd.h"
#include "frame/ui/ToolbarManager.h"
#include "navigation/ui/TvFormView.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QToolBar>

void CMainFrame::RegisterFrameCommands() {
    CommandTable& table = m_commandTable;
    table.add(ID_APP_EXIT, [this](int) { close(); });
    table.add(
        ID_VIEW_TOOLBAR, [this](int) { m_wndToolBar->setVisible(!m_wndToolBar->isVisible()); }, {},
        [this] { return m_wndToolBar->isVisible(); });
    table.add(
        ID_VIEW_SEARCHBAR,
        [this](int) { m_wndSearchBar->setVisible(!m_wndSearchBar->isVisible()); }, {},
        [this] { return m_wndSearchBar->isVisible(); });
    table.add(ID_NEXT_PANE, [this](int) { OnNextPane(true); });
    table.add(ID_PREV_PANE, [this](int) { OnNextPane(false); });
    table.add(ID_APPLY_LOOK, [this](int) { ApplyLookColours(); });
    table.add(ID_FIND_IN_TEXT, [this](int) { OnFindInText(); });
    table.add(ID_LOOK, [this](int) { OnAppLook(); });
    table.add(ID_CUSTOMIZE, [this](int) { OnCustomize(); });
    table.add(ID_WEB_ORDER, [this](int) { OnWebOrder(); });
}

void CMainFrame::UpdateCommandUI() {
    for (int id : m_pCommands->ids()) {
        QAction* action = m_pCommands->find(id);
        action->setEnabled(m_commandTable.isEnabled(id));
        if (m_commandTable.isCheckable(id)) {
            action->setCheckable(true);
            action->setChecked(m_commandTable.isChecked(id));
        }
    }
}

void CMainFrame::OnCommand(int id) {
    if (m_commandTable.run(id))
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

QMenu* CMainFrame::createPopupMenu() {
    const MenuTemplate* menu = findMenu(m_menus, IDR_TOOLBAR_MENU);
    if (!menu || menu->popups.empty())
        return nullptr;
    QMenu* popup = buildPopupMenu(menu->popups.front(), *m_pCommands, this);
    // The user toolbars that exist, under their titles; the other items go.
    for (QAction* action : popup->actions()) {
        const int id = action->data().toInt();
        if (id < ID_USER_TOOLBAR_FIRST || id > ID_USER_TOOLBAR_LAST)
            continue;
        if (QToolBar* bar = m_pToolbars->GetUserBarByIndex(id - ID_USER_TOOLBAR_FIRST))
            action->setText(bar->windowTitle());
        else
            popup->removeAction(action);
    }
    UpdateCommandUI();
    return popup;
}
