#include "frame/ui/AppLookDlg.h"
#include "frame/ui/CompareDialog.h"
#include "frame/ui/ToolbarIcons.h"
#include "support/RecordedMessages.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QPixmap>
#include <gtest/gtest.h>

TEST(ToolbarIcons, PicturesComeForEachDevicePixelRatio) {
    const QIcon icon = toolbarIcon(QStringLiteral("back"));
    const QList<QSize> sizes = icon.availableSizes();
    for (const QSize& size : {QSize(16, 15), QSize(32, 30), QSize(48, 45)})
        EXPECT_TRUE(sizes.contains(size)) << size.width();
    // On a screen of ratio 2 the picture has twice the pixels, drawn, not stretched.
    const QPixmap sharp = icon.pixmap(QSize(16, 15), 2.0);
    EXPECT_EQ(sharp.size(), QSize(32, 30));
    EXPECT_DOUBLE_EQ(sharp.devicePixelRatio(), 2.0);
    const QImage image = sharp.toImage();
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    EXPECT_GT(opaque, 4 * 40);
}

TEST(AppLookDialog, OffersTheDarkLookAsTheFourth) {
    CAppLookDlg dialog(3);
    EXPECT_EQ(dialog.GetAppLook(), 3);
    auto* dark = dialog.findChild<QAbstractButton*>(QStringLiteral("look3"));
    ASSERT_NE(dark, nullptr);
    EXPECT_EQ(dark->text(), QStringLiteral("Tmavý vzhled"));
}

TEST(CompareDialogTest, TheEarlierDayMustComeFirst) {
    RecordedMessages messages;
    CompareDialog dialog(QDate(2013, 1, 1), QDate(2013, 1, 1), nullptr);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts.first(), QStringLiteral("Starší den musí předcházet novějšímu."));
    dialog.findChild<QDateEdit*>(QStringLiteral("compareBefore"))->setDate(QDate(2012, 12, 31));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.before(), QDate(2012, 12, 31));
    EXPECT_EQ(dialog.after(), QDate(2013, 1, 1));
}
