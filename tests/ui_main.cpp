#include "app/ui/TavlinApp.h"
#include "app/ui/WebSchemes.h"
#include "platform/Messages.h"

#include <QStandardPaths>
#include <gtest/gtest.h>

// Widget and web-view tests share one application object, created as the reader creates it;
// messages go to the console unless a test records them.
int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    // The main window holds a web view: its renderer runs without a sandbox when tests run as
    // root, and without a GPU.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    // Without a display (ctest lists the tests of every executable, whatever label it runs) the
    // widgets are drawn off screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    registerWebSchemes();
    CTavlinApp app(argc, argv);
    setMessagePresenter(nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
