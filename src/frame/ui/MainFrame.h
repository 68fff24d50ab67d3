#pragma once

#include <QMainWindow>

class CTavlinApp;
class QLabel;

// The reader's single top-level window.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CTavlinApp& app, bool bShellLaunch);
    ~CMainFrame() override;

    void SetStatusText(const QString& text);

private:
    CTavlinApp& m_app;
    QLabel* m_pMessagePane = nullptr;
};
