#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "navigation/IndexSession.h"
#include "navigation/RegisterSession.h"
#include "support/SqlQuery.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <map>
#include <unicode/ucnv.h>

namespace {
const QString g_strSource = QStringLiteral(TAVLIN_SOURCE_DIR "/data/demo");

// Whether the text can be written in Windows-1250, the code page of the notes and favourites.
bool fitsWindows1250(const QString& text) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open("windows-1250", &status);
    ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    QByteArray out(int(text.size()) * 2 + 1, '\0');
    ucnv_fromUChars(converter, out.data(), int(out.size()),
                    reinterpret_cast<const UChar*>(text.utf16()), int(text.size()), &status);
    ucnv_close(converter);
    return U_SUCCESS(status);
}

int buildDemo(const QString& source, const QString& folder, QString* error = nullptr) {
    return runProgram(QStringLiteral(TAVLIN_CLI_BINARY),
                      {QStringLiteral("db"), QStringLiteral("build-demo"),
                       QStringLiteral("--source"), source, QStringLiteral("--folder"), folder},
                      folder, {}, nullptr, error);
}

// The demo collection is built once from the real sources for all checks of its content.
class DemoCollectionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = new TempProgramFolder;
        QString error;
        ASSERT_EQ(buildDemo(g_strSource, s_folder->path(), &error), 0) << error.toStdString();
        s_database = Database::open(s_folder->file(QStringLiteral("Data/TavlinDemo.db")),
                                    collectionPassword())
                         .release();
    }
    static void TearDownTestSuite() {
        delete s_database;
        delete s_folder;
    }
    static qlonglong count(const QString& sql, const QVariantList& bind = {}) {
        return queryValue(s_database->handle(), sql, bind).toLongLong();
    }
    // The text of a document on a day, assembled as the reader does it.
    static QString textOn(qlonglong id, const QString& day) {
        QString text;
        for (const QVariantList& row :
             queryRows(s_database->handle(),
                       QStringLiteral("SELECT obsah FROM dokumentSekce WHERE dokument = ?1 AND "
                                      "(datumNovelizace IS NULL OR datumNovelizace <= ?2) AND "
                                      "(datumDo IS NULL OR ?2 < datumDo) ORDER BY poradi, "
                                      "datumNovelizace"),
                       {id, day}))
            text += row.first().toString();
        return text;
    }

    static TempProgramFolder* s_folder;
    static Database* s_database;
};
TempProgramFolder* DemoCollectionTest::s_folder = nullptr;
Database* DemoCollectionTest::s_database = nullptr;
} // namespace

TEST_F(DemoCollectionTest, HasAboutAHundredDocumentsOfEveryKind) {
    const qlonglong total = count(QStringLiteral("SELECT count(*) FROM dokument"));
    EXPECT_GE(total, 90);
    EXPECT_LE(total, 140);
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM dokument WHERE pohled = 1")), 30);
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM dokument WHERE pohled = 2")), 20);
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM dokument WHERE pohled = 3")), 8);
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM dokument WHERE pohled = 5")), 8);
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM oblasti")), 6);
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM typy")), 5);
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM (SELECT dokument FROM dokumentOblast "
                                   "GROUP BY dokument HAVING count(*) > 1)")),
              5);
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM dokumentNorma")), 3);
    for (int kind = 1; kind <= 3; ++kind)
        EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM dokument WHERE pohled = 1 AND "
                                       "typnovelizace = ?1"),
                        {kind}),
                  1)
            << kind;
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM dokument WHERE norma = '586/1992 Sb.'")),
              1);
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM dokument d WHERE NOT EXISTS "
                                   "(SELECT 1 FROM dokumentSekce s WHERE s.dokument = d.ID)")),
              1);
}

TEST_F(DemoCollectionTest, EveryFixedLawIsOneRegulation) {
    for (const char* ozn : {"DP", "DPH", "SID", "DN", "OBCH", "OZ", "ZU", "PRACE", "DEKAP", "DULOK",
                            "SOCPO", "ZDRPO"}) {
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM dokument WHERE ozn = ?1"),
                        {QString::fromLatin1(ozn)}),
                  1)
            << ozn;
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM dokument WHERE ozn = ?1 AND pohled = "
                                       "1 AND EXISTS (SELECT 1 FROM dokumentSekce WHERE dokument "
                                       "= dokument.ID)"),
                        {QString::fromLatin1(ozn)}),
                  1)
            << ozn;
    }
}

TEST_F(DemoCollectionTest, VersionsNeverOverlapAndSeveralLawsChangeWithTheDay) {
    const QStringList days = {"1995-06-01", "2007-06-01", "2008-06-01", "2010-06-01",
                              "2012-06-01", "2013-06-01", "2020-06-01"};
    int changing = 0;
    for (const QVariantList& row :
         queryRows(s_database->handle(), QStringLiteral("SELECT ID FROM dokument"))) {
        const qlonglong id = row.first().toLongLong();
        QSet<QString> texts;
        for (const QString& day : days) {
            texts.insert(textOn(id, day));
            EXPECT_EQ(count(QStringLiteral(
                                "SELECT count(*) - count(DISTINCT poradi) FROM dokumentSekce "
                                "WHERE dokument = ?1 AND (datumNovelizace IS NULL OR "
                                "datumNovelizace <= ?2) AND (datumDo IS NULL OR ?2 < datumDo)"),
                            {id, day}),
                      0)
                << "document " << id << " on " << day.toStdString();
        }
        if (texts.size() > 1)
            ++changing;
    }
    EXPECT_GE(changing, 3);
    const QString dp =
        queryValue(s_database->handle(), QStringLiteral("SELECT ID FROM dokument WHERE ozn='DP'"))
            .toString();
    EXPECT_TRUE(textOn(dp.toLongLong(), "2007-12-31").contains(QStringLiteral("32 %")));
    EXPECT_FALSE(textOn(dp.toLongLong(), "2008-01-01").contains(QStringLiteral("32 %")));
    EXPECT_TRUE(textOn(dp.toLongLong(), "2013-01-01").contains(QStringLiteral("solidární")));
}

TEST_F(DemoCollectionTest, LinksAndPicturesPointAtWhatExists) {
    static const QRegularExpression link(QStringLiteral("sestavDoc\\('([^']*)'\\)"));
    static const QRegularExpression picture(QStringLiteral("src=\"images/I(\\d+)\\.(\\w+)\""));
    QSet<QString> forms;
    for (const QVariantList& row :
         queryRows(s_database->handle(), QStringLiteral("SELECT dokument, obsah FROM "
                                                        "dokumentSekce"))) {
        const QString text = row[1].toString();
        for (const auto& match : link.globalMatch(text)) {
            QString argument = match.captured(1);
            if (argument.contains(QStringLiteral("__"))) {
                forms.insert(QStringLiteral("date"));
                argument = argument.section(QStringLiteral("__"), 1);
            }
            if (argument.contains(QLatin1Char('#'))) {
                forms.insert(QStringLiteral("anchor"));
                const QString anchor = argument.section(QLatin1Char('#'), 1);
                argument = argument.section(QLatin1Char('#'), 0, 0);
                EXPECT_GE(
                    count(QStringLiteral("SELECT count(*) FROM dokumentSekce WHERE "
                                         "dokument = ?1 AND instr(obsah, ?2) > 0"),
                          {argument.toLongLong(), QStringLiteral("<a name=\"%1\">").arg(anchor)}),
                    1)
                    << match.captured(1).toStdString();
            }
            EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM dokument WHERE ID = ?1"),
                            {argument.toLongLong()}),
                      1)
                << match.captured(1).toStdString();
        }
        for (const auto& match : picture.globalMatch(text))
            EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM images i JOIN dokumentImages d "
                                           "ON d.imageId = i.id WHERE i.id = ?1 AND "
                                           "i.extension = ?2 AND d.dokument = ?3"),
                            {match.captured(1).toLongLong(), match.captured(2), row[0]}),
                      1)
                << match.captured(0).toStdString();
    }
    EXPECT_EQ(forms.size(), 2);
    EXPECT_GE(count(QStringLiteral(
                  "SELECT count(*) FROM (SELECT d.dokument FROM dokumentImages d JOIN images i "
                  "ON i.id = d.imageId GROUP BY d.dokument, i.extension HAVING count(*) > 1)")),
              1);
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM images WHERE extension IN ('png', "
                                   "'gif') AND length(imageData) = length AND length > 0")),
              1);
}

TEST_F(DemoCollectionTest, SpecialRowsArePresent) {
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM dokument WHERE ozn = 'O''NEIL'")), 1);
    const QList<QVariantList> redirects = queryRows(
        s_database->handle(),
        QStringLiteral("SELECT redirectId, redirectPar FROM dokument WHERE redirectId <> 0"));
    ASSERT_FALSE(redirects.isEmpty());
    for (const QVariantList& redirect : redirects)
        EXPECT_GE(
            count(QStringLiteral("SELECT count(*) FROM dokumentSekce WHERE dokument = ?1 "
                                 "AND instr(obsah, ?2) > 0"),
                  {redirect[0], QStringLiteral("<a name=\"%1\">").arg(redirect[1].toString())}),
            1);
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM dokument WHERE pohled = 3 AND priloha "
                                   "<> ''")),
              2);
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM dokument WHERE pohled = 1 AND priloha "
                                   "<> ''")),
              1);
    for (const char* start : {"C", "Č", "H", "Ch", "R", "Ř"})
        EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM dokument WHERE pohled = 1 AND "
                                       "substr(jmeno, 1, ?2) = ?1"),
                        {QString::fromUtf8(start), int(QString::fromUtf8(start).size())}),
                  1)
            << start;
}

TEST_F(DemoCollectionTest, TextsFitWindows1250) {
    EXPECT_FALSE(fitsWindows1250(QStringLiteral("cm\u00b3")));
    for (const char* sql :
         {"SELECT jmeno FROM dokument", "SELECT priloha FROM dokument WHERE priloha IS NOT NULL",
          "SELECT nazev FROM dokumentNorma", "SELECT obsah FROM dokumentSekce",
          "SELECT oblast FROM oblasti", "SELECT typ FROM typy", "SELECT obor FROM obory"}) {
        for (const QVariantList& row : queryRows(s_database->handle(), QString::fromLatin1(sql)))
            EXPECT_TRUE(fitsWindows1250(row.first().toString()))
                << row.first().toString().toStdString();
    }
}

TEST_F(DemoCollectionTest, RegisterTreesAreComplete) {
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM obory WHERE obor = 'Společné'")), 1);
    EXPECT_GE(count(QStringLiteral("SELECT count(DISTINCT obor) FROM dokument WHERE pohled = 2")),
              3);
    // Every field's register, in stored order, starts at level 0 and never skips a level, so
    // the tree shows every entry; one field reaches all levels 0 to 7.
    std::map<qlonglong, QList<qlonglong>> levels;
    for (const QVariantList& row :
         queryRows(s_database->handle(),
                   QStringLiteral("SELECT obor, uroven FROM dokument WHERE pohled = 2 ORDER BY "
                                  "poradi")))
        levels[row[0].toLongLong()] << row[1].toLongLong();
    bool allLevels = false;
    for (const auto& [obor, list] : levels) {
        EXPECT_EQ(list.first(), 0) << obor;
        for (qsizetype i = 1; i < list.size(); ++i)
            EXPECT_LE(list[i], list[i - 1] + 1) << "field " << obor << " entry " << i;
        allLevels = allLevels || QSet<qlonglong>(list.begin(), list.end()).size() == 8;
    }
    EXPECT_TRUE(allLevels);
}

TEST_F(DemoCollectionTest, RegisterAndIndexPagesHaveSomethingToShow) {
    RegisterSession registerSession(s_database);
    registerSession.InitBaseCondition();
    int deepFields = 0;
    for (const LookupRow& field : registerSession.LoadFields()) {
        registerSession.FillTree(field.id);
        int deepest = -1;
        for (int item = 0; item < registerSession.tree().size(); ++item)
            deepest = std::max(deepest, registerSession.tree().depth(item));
        if (deepest >= 3)
            ++deepFields;
    }
    EXPECT_GE(deepFields, 2);
    IndexSession indexSession(s_database);
    indexSession.InitBaseCondition();
    for (int choice = 0; choice < IndexSession::kChoiceCount; ++choice) {
        indexSession.FillIndex(choice, 0, -1);
        EXPECT_GE(indexSession.GetRowCount(), 5) << choice;
    }
}

TEST(DemoBuildTest, MalformedSourceNamesFileAndLineAndKeepsTheOldCollection) {
    TempProgramFolder folder;
    ASSERT_EQ(buildDemo(g_strSource, folder.path()), 0);
    const QString database = folder.file(QStringLiteral("Data/TavlinDemo.db"));
    QFile built(database);
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QByteArray before = QCryptographicHash::hash(built.readAll(), QCryptographicHash::Sha1);
    built.close();

    QTemporaryDir copy;
    const QString source = copy.filePath(QStringLiteral("demo"));
    ASSERT_EQ(runProgram(QStringLiteral("cp"), {QStringLiteral("-r"), g_strSource, source},
                         copy.path(), {}),
              0);
    const QString broken = source + QStringLiteral("/documents/101-zakon-o-danich-z-prijmu.txt");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    file.close();
    const qsizetype section = lines.indexOf(QStringLiteral("@verze od 2013-01-01"));
    ASSERT_GT(section, 0);
    lines[section] = QStringLiteral("@verze od 2013-02-30");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(lines.join(QLatin1Char('\n')).toUtf8());
    file.close();

    QString error;
    EXPECT_EQ(buildDemo(source, folder.path(), &error), 1);
    EXPECT_TRUE(
        error.contains(QStringLiteral("101-zakon-o-danich-z-prijmu.txt:%1:").arg(section + 1)))
        << error.toStdString();
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    EXPECT_EQ(QCryptographicHash::hash(built.readAll(), QCryptographicHash::Sha1), before);
    EXPECT_EQ(QDir(folder.file(QStringLiteral("Data"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("TavlinDemo.db")});
}

TEST(DemoBuildTest, RebuildReplacesTheCollectionAndCreatesTheDataFolder) {
    QTemporaryDir folder;
    ASSERT_EQ(buildDemo(g_strSource, folder.path()), 0);
    ASSERT_EQ(buildDemo(g_strSource, folder.path()), 0);
    const auto database =
        Database::open(folder.filePath(QStringLiteral("Data/TavlinDemo.db")), collectionPassword());
    EXPECT_GE(queryValue(database->handle(), QStringLiteral("SELECT count(*) FROM dokument"))
                  .toLongLong(),
              90);
}
