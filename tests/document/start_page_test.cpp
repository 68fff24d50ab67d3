#include "document/StartPage.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
class StartPageTest : public ::testing::Test {
protected:
    void SetUp() override { m_page.SetHtmlFolder(m_program.file("Html")); }
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(m_program.file("Html/" + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray startPage() const {
        QFile file(m_program.file("Html/Index.html"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    TempProgramFolder m_program;
    StartPage m_page;
};
} // namespace

TEST_F(StartPageTest, FavouritesGoInFirstThenTheNewsAtEveryPlace) {
    write("Index0.html", "<a>#OBLIBENE#</a><b>#NOVINKY#</b><c>#OBLIBENE#</c>");
    // The news is not searched for the favourites' placeholder; a title is searched for the news'.
    write("News.html", QByteArray("zprávy #OBLIBENE#\0ignored", 25));
    ASSERT_TRUE(m_page.BuildStartPage("L1 #NOVINKY#\r\n"));
    EXPECT_EQ(startPage(), "<a>L1 zprávy #OBLIBENE#\r\n</a><b>zprávy #OBLIBENE#</b>"
                           "<c>L1 zprávy #OBLIBENE#\r\n</c>");
    ASSERT_TRUE(m_page.BuildStartPage(QString()));
    EXPECT_EQ(startPage(), "<a></a><b>zprávy #OBLIBENE#</b><c></c>");
}

TEST_F(StartPageTest, NewsIsReadOnceButAMissingNewsIsTriedAgain) {
    write("Index0.html", "[#NOVINKY#]");
    ASSERT_TRUE(m_page.BuildStartPage(QString()));
    EXPECT_EQ(startPage(), "[]");
    write("News.html", "první");
    ASSERT_TRUE(m_page.BuildStartPage(QString()));
    EXPECT_EQ(startPage(), "[první]");
    write("News.html", "druhé");
    ASSERT_TRUE(m_page.BuildStartPage(QString()));
    EXPECT_EQ(startPage(), "[první]");
}

TEST_F(StartPageTest, WithoutTheTemplateThePageStaysAsItWas) {
    EXPECT_FALSE(m_page.BuildStartPage("x"));
    EXPECT_EQ(startPage(), "(none)");
    write("Index.html", "old");
    EXPECT_FALSE(m_page.BuildStartPage("x"));
    EXPECT_EQ(startPage(), "old");
}
