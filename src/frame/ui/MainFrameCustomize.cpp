#include "document/ui/TvHtmlView.h"
#include "frame/WebOrder.h"
#include "frame/ui/AppLookDlg.h"
#include "frame/ui/CommandBars.h"
#include "frame/ui/FrameHost.h"
#include "frame/ui/MainFrame.h"
#include "frame/ui/SearchBox.h"
#include "frame/ui/ToolbarCustomizeDialog.h"
#include "frame/ui/ToolbarManager.h"
#include "platform/ProgramFolders.h"
#include "platform/Registry.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QAction>
#include <QDesktopServices>
#include <QLineEdit>
#include <QToolBar>

// The frame's own commands: the find box, the look, the toolbar customisation and the web order.

QComboBox* CMainFrame::GetSearchCombo() const {
    for (QToolBar* bar : m_pToolbars->Bars())
        for (QAction* action : bar->actions())
            if (auto* combo = qobject_cast<CSearchComboButton*>(bar->widgetForAction(action)))
                return combo;
    return nullptr;
}

void CMainFrame::OnFindInText() {
    auto* combo = static_cast<CSearchComboButton*>(GetSearchCombo());
    if (!combo)
        return;
    combo->lineEdit()->setFocus();
    const QString text = combo->currentText();
    // An empty text is not kept; the find asks for one.
    if (!text.isEmpty())
        combo->addFindText(text);
    m_pHtmlView->FindInText(text);
}

void CMainFrame::LoadCustomState() {
    m_pToolbars->LoadCustomState();
    UpdateCommandUI();
}

void CMainFrame::OnAppLook() {
    const int before = m_app.appLook();
    CAppLookDlg dialog(before);
    dialog.exec();
    const int look = dialog.GetAppLook();
    m_app.setAppLook(look);
    WriteRegDword(GetMakerKey(), QStringLiteral("AppLook"), static_cast<DWORD>(look),
                  RegistryRoot::CurrentUser);
    if (look != before)
        OnCommand(ID_APPLY_LOOK);
}

void CMainFrame::OnCustomize() {
    // One customisation at a time; a second request brings the open one forward.
    if (auto* open = findChild<ToolbarCustomizeDialog*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* dialog = new ToolbarCustomizeDialog(*m_pToolbars, *m_pCommands, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // At the end of the customisation the menus and buttons show the commands' state again.
    connect(dialog, &QDialog::finished, this, &CMainFrame::UpdateCommandUI);
    connect(m_pToolbars, &ToolbarManager::barsChanged, dialog, [this] { UpdateCommandUI(); });
    dialog->show();
}

void CMainFrame::OnWebOrder() {
    // Whether a browser opened is not checked.
    QDesktopServices::openUrl(
        webOrderUrl(m_app.folders().GetProgramFolder(), LoadResString(IDS_WEB_HOST)));
}
