#include "app/PrintPdfRequest.h"
#include "app/ui/PrintPdfCommand.h"
#include "app/ui/TavlinApp.h"
#include "app/ui/WebSchemes.h"
#include "diagnostics/CrashReport.h"
#include "frame/ui/MainFrame.h"
#include "platform/TerminationSignals.h"

#include <QDir>
#include <QTimer>

// From static initialisation on, a crash leaves a report in the folder current at start.
static CrashGuard g_crashGuard;

int main(int argc, char** argv) {
    // The web view shares its OpenGL contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    registerWebSchemes();
    CTavlinApp app(argc, argv);
    // Logout, kill and Ctrl+C end the reader as closing its window does, also when they arrive
    // during the start-up (they are served once the event loop runs).
    bool bTerminate = false;
    const TerminationSignals termination([&app, &bTerminate] {
        bTerminate = true;
        if (app.mainFrame())
            app.mainFrame()->close();
    });
    int result = 1;
    // Printing for scripts: no window, the exit code tells.
    if (const PrintPdfRequest request = parsePrintPdfRequest(app.arguments(), QDir::currentPath());
        request.m_bRequested) {
        result = runPrintPdf(app, request);
    } else if (app.InitInstance()) {
        // Scripts and tests can ask for an orderly close after a while.
        bool ok = false;
        const int exitAfter = qEnvironmentVariableIntValue("TAVLIN_EXIT_AFTER_MS", &ok);
        if (ok)
            QTimer::singleShot(exitAfter, app.mainFrame(), [&app] { app.mainFrame()->close(); });
        if (bTerminate)
            QTimer::singleShot(0, app.mainFrame(), [&app] { app.mainFrame()->close(); });
        result = app.exec();
    } else {
        result = app.StartExitCode();
    }
    app.ExitInstance();
    return result;
}
