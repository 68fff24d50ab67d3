#include "diagnostics/SystemInfo.h"
#include "diagnostics/ui/AboutCommands.h"
#include "diagnostics/ui/CsAboutDlg.h"
#include "diagnostics/ui/CsLinkLabel.h"
#include "diagnostics/ui/CsSystemInfoDlg.h"
#include "platform/CommandTable.h"
#include "platform/ResourceIds.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
void click(QWidget* widget) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}
} // namespace

TEST(AboutDialog, ShowsTitleReleaseAndALinkStyledLabel) {
    CsAboutDlg dialog(QDir::tempPath());
    EXPECT_EQ(dialog.windowTitle(), "O aplikaci");
    EXPECT_EQ(dialog.GetTitle()->text(), "TAVLIN 2012");
    EXPECT_TRUE(dialog.GetTitle()->font().bold());
    EXPECT_EQ(dialog.GetTitle()->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(dialog.GetRelease()->text(), "10000.3 (11.1.2012)");
    CsLinkLabel* link = dialog.GetLink();
    EXPECT_EQ(link->text(), "Systémové informace");
    EXPECT_EQ(link->GetTextColor(), QColor(0, 0, 255));
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(link->GetNotify());
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("Release:"));
    EXPECT_TRUE(texts.contains("Systém: "));
    // Every control lies inside the dialog.
    for (const QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(dialog.rect().contains(child->geometry())) << child->metaObject()->className();
}

TEST(AboutDialog, LinkClosesAboutAndOpensTheSystemInformationForGood) {
    QTemporaryDir program;
    CsAboutDlg about(program.path());
    QString shownText;
    bool bAboutHiddenMeanwhile = false;
    QObject::connect(&about, &CsAboutDlg::systemInfoOpened, [&](QDialog* dialog) {
        auto* info = static_cast<CsSystemInfoDlg*>(dialog);
        shownText = info->GetTextControl()->toPlainText();
        EXPECT_TRUE(info->GetTextControl()->isReadOnly());
        EXPECT_EQ(info->windowTitle(), "O systému");
        bAboutHiddenMeanwhile = !about.isVisible();
        QTimer::singleShot(0, info, &QDialog::accept);
    });
    QTimer::singleShot(0, &about, [&] { click(about.GetLink()); });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_TRUE(bAboutHiddenMeanwhile);
    EXPECT_FALSE(about.isVisible());
    const QStringList lines = shownText.split('\n');
    ASSERT_GE(lines.size(), 10) << shownText;
    EXPECT_EQ(lines[0], "TAVLIN 2012");
    EXPECT_EQ(lines[1], "Release: 10000.3 (11.1.2012)");
    EXPECT_EQ(lines[4], "Systémové informace:");
    EXPECT_TRUE(lines[5].startsWith("Celková velikost paměti: ")) << lines[5];
    EXPECT_TRUE(lines[7].startsWith("Volné místo na disku Tavlinu: ")) << lines[7];
    EXPECT_NE(lines[7], "Volné místo na disku Tavlinu: 0 MB");
    EXPECT_EQ(lines[8], "Operační systém: " + osPrettyName());
}

TEST(AboutDialog, LabelThatDoesNotNotifyIgnoresClicks) {
    CsLinkLabel label("odkaz");
    label.resize(80, 20);
    int clicks = 0;
    QObject::connect(&label, &CsLinkLabel::clicked, [&] { ++clicks; });
    click(&label);
    label.SetNotify(false);
    click(&label);
    EXPECT_EQ(clicks, 1);
}

TEST(AboutDialog, AboutCommandOpensTheDialogModally) {
    CommandTable table;
    QWidget owner;
    RegisterAboutCommands(table, &owner, [] { return QDir::tempPath(); });
    ASSERT_TRUE(table.has(ID_APP_ABOUT));
    EXPECT_TRUE(table.isEnabled(ID_APP_ABOUT));
    QString title;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            title = dialog->windowTitle();
            dialog->accept();
        }
    });
    EXPECT_TRUE(table.run(ID_APP_ABOUT));
    EXPECT_EQ(title, "O aplikaci");
}
