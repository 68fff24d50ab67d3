#include "app/UrlProtocol.h"
#include "app/ui/TavlinApp.h"
#include "frame/ui/MainFrame.h"
#include "navigation/ui/TvFormView.h"
#include "platform/Messages.h"
#include "platform/ResourceIds.h"
#include "platform/SingleInstance.h"

#include <QTimer>

bool CTavlinApp::HandOverLink(const QString& link) {
    switch (handOverToRunningInstance(instanceSocketPath(), link)) {
    case HandOverResult::Delivered:
        m_nStartExitCode = 0;
        return true;
    case HandOverResult::Refused:
        ShowMessage(IDS_INVALID_LINK);
        return true;
    case HandOverResult::NoInstance:
        break;
    }
    return false;
}

void CTavlinApp::ListenForLinks(const QString& ownLink) {
    m_pInstanceServer = std::make_unique<InstanceServer>();
    connect(m_pInstanceServer.get(), &InstanceServer::openRequested, this,
            &CTavlinApp::OpenDocumentFile);
    connect(m_pInstanceServer.get(), &InstanceServer::conversationEnded, m_pMainFrame.get(),
            &CMainFrame::OnDDETerminate);
    // Another reader of this user may already listen (one started without a link): that one
    // keeps receiving the links and this one runs on its own.
    m_pInstanceServer->listen(instanceSocketPath());
    if (!ownLink.isEmpty())
        QTimer::singleShot(0, m_pInstanceServer.get(), [this, ownLink] {
            OpenDocumentFile(ownLink);
            m_pMainFrame->OnDDETerminate();
        });
}

void CTavlinApp::OpenDocumentFile(const QString& name) {
    const std::optional<QString> ozn = designationFromLink(name);
    if (!ozn || !m_pMainFrame)
        return;
    m_pMainFrame->raise();
    m_pMainFrame->activateWindow();
    m_pMainFrame->GetNavView()->OpenByDesignation(*ozn);
}
