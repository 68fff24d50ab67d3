#include "frame/ui/PictureWnd.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <gtest/gtest.h>

TEST(PictureWnd, FramelessOnTopAndCentredInThePicturesSize) {
    CsPictureWnd picture;
    const QPixmap bitmap = CsPictureWnd::StartupPicture();
    EXPECT_EQ(picture.size(), bitmap.size());
    EXPECT_TRUE(picture.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(picture.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(picture.windowTitle(), LoadResString(IDS_TITLE));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(picture.geometry().center().x() / 2, screen.center().x() / 2);
    EXPECT_EQ(picture.geometry().center().y() / 2, screen.center().y() / 2);

    // What the window paints is the picture itself, not an empty window.
    picture.show();
    const QImage shown = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, bitmap.toImage().convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(shown.pixel(5, 5), shown.pixel(shown.width() - 5, shown.height() - 5));
}
