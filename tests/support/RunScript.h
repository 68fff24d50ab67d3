#pragma once

#include "support/WaitUntil.h"

#include <QVariant>
#include <QWebEnginePage>
#include <gtest/gtest.h>

// Runs `script` in the page's main frame and waits for its value.
inline QVariant runScript(QWebEnginePage* page, const QString& script) {
    QVariant result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    EXPECT_TRUE(waitUntil([&] { return done; }));
    return result;
}
