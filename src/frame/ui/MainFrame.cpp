#include "frame/ui/MainFrame.h"

#include "app/Strings.h"
#include "app/ui/TavlinApp.h"

#include <QLabel>
#include <QStatusBar>

CMainFrame::CMainFrame(CTavlinApp& app, bool /*bShellLaunch*/) : m_app(app) {
    m_pMessagePane = new QLabel(LoadResString(57345), this);
    statusBar()->addWidget(m_pMessagePane, 1);
    resize(1100, 750);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::SetStatusText(const QString& text) {
    m_pMessagePane->setText(text);
    m_pMessagePane->repaint();
}
