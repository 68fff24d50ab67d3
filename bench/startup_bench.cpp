// The reader's start to its first shown page, and the same for a bare web view window showing
// one page: each run is one process that ends at that page's first load, so bench/run.sh times
// the two side by side.
//   startup_bench --folder DIR   the reader on the program folder DIR
//   startup_bench --bare FILE    a bare window showing FILE
#include "app/ui/TavlinApp.h"
#include "app/ui/WebSchemes.h"
#include "document/ui/TvHtmlView.h"
#include "frame/ui/MainFrame.h"

#include <QApplication>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>
#include <cstring>

namespace {
int bareWindow(int argc, char** argv, const char* file) {
    QApplication app(argc, argv);
    QWebEngineView view;
    view.resize(1024, 768);
    QObject::connect(&view, &QWebEngineView::loadFinished, &app,
                     [&app] { QTimer::singleShot(0, &app, &QCoreApplication::quit); });
    view.load(QUrl::fromLocalFile(QString::fromLocal8Bit(file)));
    view.show();
    return app.exec();
}

int reader(int argc, char** argv) {
    registerWebSchemes();
    CTavlinApp app(argc, argv);
    if (!app.InitInstance())
        return app.StartExitCode();
    CMainFrame* frame = app.mainFrame();
    QWebEnginePage* page = frame->GetHtmlView()->page();
    QObject::connect(page, &QWebEnginePage::loadFinished, frame, [frame, page](bool ok) {
        std::fprintf(stderr, "first page: %s%s\n", qPrintable(page->url().toString()),
                     ok ? "" : " (failed)");
        QTimer::singleShot(0, frame, [frame] { frame->close(); });
    });
    const int result = app.exec();
    app.ExitInstance();
    return result;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (argc == 3 && std::strcmp(argv[1], "--bare") == 0)
        return bareWindow(argc, argv, argv[2]);
    return reader(argc, argv);
}
