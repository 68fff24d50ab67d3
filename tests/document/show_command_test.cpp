#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// A program folder with the program's own templates and a two-document collection.
class ShowCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString html = QStringLiteral(TAVLIN_SOURCE_DIR "/res/Html");
        for (const QString& name : QDir(html).entryList(QDir::Files))
            QFile::copy(html + "/" + name, m_program.file("Html/" + name));
        for (const QString& name : QDir(html + "/img").entryList(QDir::Files))
            QFile::copy(html + "/img/" + name, m_program.file("Html/img/" + name));
        m_program.createCollection({R"(
INSERT INTO dokument (ID, jmeno, ozn) VALUES (1, 'Zákon o dani silniční', 'SID'), (2, 'Jiný', 'X');
INSERT INTO dokumentSekce (sekce, dokument, poradi, obsah, datumNovelizace, datumDo) VALUES
    (1, 1, 1, '<p>Staré znění</p>', NULL, '2010-01-01'),
    (2, 1, 1, '<p>Nové znění</p>', '2010-01-01', NULL);
INSERT INTO images (id, imageData, extension) VALUES (3, X'474946', 'gif');
INSERT INTO dokumentImages (imageId, dokument) VALUES (3, 1);
)"});
    }

    int run(const QStringList& arguments) {
        m_out.clear();
        m_err.clear();
        return runProgram(TAVLIN_CLI_BINARY, arguments, m_program.path(),
                          {"XDG_RUNTIME_DIR=" + m_runtime.path(), "TAVLIN_MESSAGES="}, &m_out,
                          &m_err);
    }

    static QString textOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TempProgramFolder m_program;
    QTemporaryDir m_runtime;
    QTemporaryDir m_target;
    QString m_out;
    QString m_err;
};
} // namespace

TEST_F(ShowCommandTest, AssemblesTheDocumentAsValidOnTheDay) {
    ASSERT_EQ(run({"show", "--id", "1", "--date", "2009-12-31", "--anchor", "#par1", "--out",
                   m_target.path()}),
              0)
        << m_err.toStdString();
    const QString frameset = m_target.path() + "/D1.html";
    EXPECT_EQ(m_out.trimmed(), frameset);
    const QString page = textOf(frameset);
    EXPECT_TRUE(page.contains("name=\"frm2\"")) << page.toStdString();
    EXPECT_TRUE(page.contains("/B1.html#par1\"")) << page.toStdString();
    EXPECT_TRUE(page.contains("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(textOf(m_target.path() + "/B1.html").contains("Staré znění"));
    EXPECT_TRUE(textOf(m_target.path() + "/T1.html").contains("Zákon o dani silniční"));
    EXPECT_TRUE(QFile::exists(m_target.path() + "/images/s_vpravo.gif"));
}

TEST_F(ShowCommandTest, WithoutAnOutputFolderNothingIsLeftBehind) {
    const QString page = m_runtime.path() + "/QrmHtml/B1.html";
    QDir().mkpath(m_runtime.path() + "/QrmHtml");
    QFile readers(page);
    ASSERT_TRUE(readers.open(QIODevice::WriteOnly));
    readers.write("the reader's page");
    readers.close();
    ASSERT_EQ(run({"show", "--id", "1"}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.trimmed().startsWith(m_runtime.path() + "/QrmHtml/show-"));
    EXPECT_FALSE(QFile::exists(m_out.trimmed()));
    EXPECT_EQ(
        QDir(m_runtime.path() + "/QrmHtml").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList{"B1.html"});
    EXPECT_EQ(textOf(page), "the reader's page");
}

TEST_F(ShowCommandTest, AssemblesIntoAnOutputFolder) {
    ASSERT_EQ(run({"show", "--fixed", "32800", "--out", m_target.path()}), 0)
        << m_err.toStdString();
    EXPECT_EQ(m_out.trimmed(), m_target.filePath("D1.html"));
    EXPECT_TRUE(textOf(m_target.filePath("B1.html")).contains("Nové znění"));
    EXPECT_TRUE(QFile::exists(m_target.filePath("images/I3.gif")));
    EXPECT_TRUE(QFile::exists(m_target.filePath("images/paragrafy.gif")));
    EXPECT_FALSE(QFile::exists(m_runtime.path() + "/QrmHtml/D1.html"));

    ASSERT_EQ(run({"show", "--ozn", "X", "--out", m_target.path()}), 0) << m_err.toStdString();
    EXPECT_EQ(m_out.trimmed(), m_target.filePath("D2.html"));
}

TEST_F(ShowCommandTest, MissingDocumentsAreReportedOnStandardError) {
    EXPECT_EQ(run({"show", "--id", "99"}), 1);
    EXPECT_TRUE(m_err.contains("Odkaz není platný.")) << m_err.toStdString();
    EXPECT_TRUE(m_out.isEmpty());
    EXPECT_EQ(run({"show", "--ozn", "NIC"}), 1);
    EXPECT_TRUE(m_err.contains("Odkaz není platný.")) << m_err.toStdString();
    EXPECT_EQ(run({"show", "--fixed", "32798"}), 1);
    EXPECT_EQ(run({"show", "--id", "1", "--ozn", "SID"}), 2);
    EXPECT_EQ(run({"show", "--id", "1", "--date", "2009-13-01"}), 2);
}

TEST_F(ShowCommandTest, LinkPrintsTheDecision) {
    ASSERT_EQ(run({"link", "javascript:sestavDoc('2007-13-45__12#par\"5')"}), 0);
    EXPECT_EQ(m_out.trimmed(), "{\"intercept\": true, \"note\": false, \"id\": 12, \"anchor\": "
                               "\"#par\\\"5\", \"date\": \"2007-12-31\"}");
    ASSERT_EQ(run({"link", "javascript:OnNote()"}), 0);
    EXPECT_EQ(m_out.trimmed(),
              "{\"intercept\": true, \"note\": true, \"id\": 0, \"anchor\": \"\", \"date\": null}");
    ASSERT_EQ(run({"link", "javascript:sestavDoc('abc')"}), 0);
    EXPECT_EQ(m_out.trimmed(), "{\"intercept\": false, \"note\": false, \"id\": 0, \"anchor\": "
                               "\"\", \"date\": null}");
}
