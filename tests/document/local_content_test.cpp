#include "document/LocalContent.h"

#include <gtest/gtest.h>

TEST(LocalContent, OnlyLocalSchemesMayLoad) {
    for (const char* scheme : {"file", "FILE", "data", "tavlin-link", "qrc", "about", "blob"})
        EXPECT_TRUE(isLocalContentScheme(QString::fromLatin1(scheme))) << scheme;
    for (const char* scheme : {"http", "https", "ftp", "ws", "wss", "tavlin", "mailto", ""})
        EXPECT_FALSE(isLocalContentScheme(QString::fromLatin1(scheme))) << scheme;
}
