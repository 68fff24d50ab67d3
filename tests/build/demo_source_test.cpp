#include "build/DemoSource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// A minimal source folder with two documents; each test spoils one thing.
class DemoSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(m_dir.path()).mkpath(QStringLiteral("documents"));
        QDir(m_dir.path()).mkpath(QStringLiteral("images"));
        write("areas.txt", "# oblasti\n1 | Daně\n2 | Práce\n");
        write("types.txt", "1 | Zákon\n");
        write("fields.txt", "1 | Společné\n");
        write("images.txt", "5 | a.svg\n6 | b.svg\n");
        write("images/a.svg", "<svg/>");
        write("images/b.svg", "<svg></svg>");
        write("documents/1.txt", "id: 1\njmeno: Zákon o dani\nozn: DP\noblasti: 1, 2\n"
                                 "obrazky: 5, 6\nnazev: Novela\n\n"
                                 "@sekce\n<a name=\"par1\"></a><p>(1) Daň <img "
                                 "src=\"images/I5.svg\"><img src=\"images/I6.svg\"></p>\n"
                                 "@sekce do 2008-01-01\n<p>stará sazba</p>\n"
                                 "@verze od 2008-01-01\n<p>nová sazba</p>\n");
        write("documents/2.txt", "id: 2\njmeno: Odkaz\npohled: 2\nobor: 1\nredirectId: 1\n"
                                 "redirectPar: par1\n@sekce\n<p>Viz <a "
                                 "href=\"javascript:sestavDoc('2007-01-01__1#par1')\">x</a></p>\n");
    }
    void write(const char* name, const char* text) {
        QFile file(m_dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    // The error text for the folder, empty when it reads without fault.
    QString errorText() {
        try {
            readDemoSource(m_dir.path());
        } catch (const DemoSourceError& error) {
            return error.text();
        }
        return QString();
    }
    QTemporaryDir m_dir;
};
} // namespace

TEST_F(DemoSourceTest, ReadsDocumentsSectionsAndVersions) {
    const DemoCollection collection = readDemoSource(m_dir.path());
    ASSERT_EQ(collection.documents.size(), 2);
    const DemoDocument& first = collection.documents.first();
    EXPECT_EQ(first.row.ozn, QStringLiteral("DP"));
    EXPECT_EQ(first.oblasti, (QList<int>{1, 2}));
    EXPECT_EQ(first.nazvy, QStringList{QStringLiteral("Novela")});
    ASSERT_EQ(first.sekce.size(), 3);
    EXPECT_EQ(first.sekce[1].poradi, 2);
    EXPECT_EQ(first.sekce[2].poradi, 2);
    EXPECT_EQ(first.sekce[1].datumDo, QStringLiteral("2008-01-01"));
    EXPECT_EQ(first.sekce[2].datumNovelizace, QStringLiteral("2008-01-01"));
    EXPECT_EQ(first.sekce[2].obsah, QStringLiteral("<p>nová sazba</p>"));
    EXPECT_EQ(collection.documents[1].row.redirectId, 1);
    EXPECT_EQ(collection.images.size(), 2);
    EXPECT_EQ(collection.images[0].extension, QStringLiteral("svg"));
}

TEST_F(DemoSourceTest, FaultsInADocumentNameFileAndLine) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"id: 3\njmeno: X\npohled: jedna\n", "3.txt:3: 'jedna' is not a whole number"},
        {"id: 3\njmeno: X\nbarva: modrá\n", "3.txt:3: unknown key 'barva'"},
        {"id: 3\njmeno: X\n@sekce od 2008-13-01\n<p>x</p>\n", "3.txt:3: '2008-13-01' is not"},
        {"id: 3\njmeno: X\n@sekce od 2009-01-01 do 2008-01-01\n<p>x</p>\n", "3.txt:3: the"},
        {"id: 3\njmeno: X\n@verze\n<p>x</p>\n", "3.txt:3: '@verze' before"},
        {"id: 3\njmeno: X\n@sekce\n\n@sekce\n<p>x</p>\n", "3.txt:3: the section has no text"},
        {"id: 3\njmeno: X\n@sekce\n<p>a</p>\n@verze od 2008-01-01\n<p>b</p>\n",
         "3.txt:5: this version overlaps the one at line 3"},
        {"id: 3\njmeno: X\n@sekce\n<p>a</p>\n<p><a href=\"javascript:sestavDoc('99')\">x</a>\n",
         "3.txt:5: link to a missing document '99'"},
        {"id: 3\njmeno: X\n@sekce\n<a href=\"javascript:sestavDoc('1#par7')\">x</a>\n",
         "3.txt:4: link to a missing anchor '1#par7'"},
        {"id: 3\njmeno: X\n@sekce\n<img src=\"images/I5.svg\">\n",
         "3.txt:4: picture images/I5.svg is not one of the document's"},
        {"id: 3\njmeno: X\noblasti: 1, 9\n", "3.txt:3: oblast 9 is not in areas.txt"},
        {"id: 1\njmeno: X\n", "3.txt:1: document id 1 is used twice"},
        {"jmeno: X\n", "3.txt:1: the document has no positive 'id'"},
        {"id: 3\njmeno: X\nredirectId: 1\nredirectPar: par9\n",
         "3.txt:4: redirectPar 'par9' is not an anchor of document 1"},
        {"id: 3\njmeno: X\n@konec\n", "3.txt:3: unknown directive '@konec'"},
    };
    for (const auto& item : cases) {
        write("documents/3.txt", item.text);
        EXPECT_TRUE(errorText().contains(QString::fromUtf8(item.expected)))
            << item.text << " gave " << errorText().toStdString();
    }
}

TEST_F(DemoSourceTest, FaultsInListFilesNameFileAndLine) {
    write("areas.txt", "1 | Daně\n\n1 | Práce\n");
    EXPECT_TRUE(errorText().contains(QStringLiteral("areas.txt:3: ID 1 is used twice")));
    write("areas.txt", "1 | Daně\n2 Práce\n");
    EXPECT_TRUE(errorText().contains(QStringLiteral("areas.txt:2: expected 'ID | text'")));
    write("areas.txt", "1 | Daně\n2 | Práce\n");
    write("images.txt", "5 | a.svg\n6 | chybi.svg\n");
    EXPECT_TRUE(errorText().contains(QStringLiteral("images.txt:2: cannot read images/chybi.svg")));
}
