#include "app/ui/WebSchemes.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// Widget and web-view tests share one QApplication, created as the reader creates it.
int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    registerWebSchemes();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
