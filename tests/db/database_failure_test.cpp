#include "db/CollectionPassword.h"
#include "db/DaoException.h"
#include "db/DbFixture.h"
#include "db/DokumentRecordsets.h"
#include "db/SqliteErrors.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QFile>
#include <sqlite3.h>

namespace {
using DatabaseFailureTest = DbFixture;

TEST_F(DatabaseFailureTest, MissingTableOrColumnFailsAtOpen) {
    db().executeScript(QStringLiteral("DROP TABLE obory; CREATE TABLE obory (ID INTEGER);"
                                      "DROP TABLE typy;"));
    CrObory fields(db()); // the table is empty: the missing column must still be found out
    EXPECT_THROW(fields.Open(), DaoException);
    EXPECT_FALSE(fields.IsOpen() && !fields.IsEOF());
    CrTypy types(db());
    try {
        types.Open();
        FAIL() << "no exception";
    } catch (const DaoException& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("typy"))) << e.what();
    }
}

TEST_F(DatabaseFailureTest, MalformedFilterOrSortThrows) {
    CrDokument set(db());
    set.m_strFilter = QStringLiteral("(ID = ");
    EXPECT_THROW(set.Open(), DaoException);
    set.m_strFilter = QStringLiteral("nosuchcolumn = 1");
    EXPECT_THROW(set.Open(), DaoException);
    set.m_strFilter = QStringLiteral("jmeno = 'unclosed");
    EXPECT_THROW(set.Open(), DaoException);
    set.m_strFilter.clear();
    set.m_strSort = QStringLiteral("left(jmeno)");
    EXPECT_THROW(set.Open(), DaoException);
    // The recordset is still usable afterwards.
    set.m_strSort.clear();
    set.m_strFilter = QStringLiteral("ID = 3");
    set.Open();
    EXPECT_EQ(set.m_jmeno, QStringLiteral("Čáp"));
}

TEST_F(DatabaseFailureTest, MovesAndFindsOnAnEmptyOrClosedRecordset) {
    CrDokument set(db());
    set.m_strFilter = QStringLiteral("ID = 999");
    set.Open();
    EXPECT_TRUE(set.IsEOF());
    EXPECT_TRUE(set.IsBOF());
    EXPECT_EQ(set.GetRecordCount(), 0);
    EXPECT_EQ(set.GetAbsolutePosition(), -1);
    EXPECT_THROW(set.MoveNext(), DaoException);
    EXPECT_FALSE(set.FindFirst(QStringLiteral("ID = 1")));
    EXPECT_THROW(set.FindFirst(QStringLiteral("ID > 1")), DaoException);
    set.Close();
    EXPECT_FALSE(set.IsOpen());
    EXPECT_THROW(set.MoveFirst(), DaoException);
}

TEST_F(DatabaseFailureTest, WrongPasswordIsRefused) {
    m_database.reset();
    const QString path = m_folder.file(QStringLiteral("Data/TavlinDemo.db"));
    EXPECT_THROW(Database::open(path, QStringLiteral("0123456789")), DaoException);
    EXPECT_THROW(Database::open(path, QString()), DaoException);
    EXPECT_NO_THROW(Database::open(path, collectionPassword()));
}

TEST_F(DatabaseFailureTest, MissingOrCorruptFileIsRefused) {
    EXPECT_THROW(
        Database::open(m_folder.file(QStringLiteral("Data/none.db")), collectionPassword()),
        DaoException);
    QFile corrupt(m_folder.file(QStringLiteral("Data/corrupt.db")));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray(8192, 'x'));
    corrupt.close();
    EXPECT_THROW(Database::open(corrupt.fileName(), collectionPassword()), DaoException);
}
} // namespace

TEST(SqliteErrors, EveryKindOfFailureIsDescribedInCzechWithSqlitesOwnWordsAfter) {
    const struct {
        int code;
        const char* text;
        unsigned expected;
    } cases[] = {
        {SQLITE_CORRUPT, "database disk image is malformed", IDS_DB_CORRUPT},
        {SQLITE_NOTADB, "file is not a database", IDS_DB_NOT_A_DATABASE},
        {SQLITE_CANTOPEN, "unable to open database file", IDS_DB_CANNOT_OPEN},
        {SQLITE_ERROR, "no such table: dokumentSekceView", IDS_DB_MISSING_TABLE},
        {SQLITE_ERROR, "no such column: jmeno", IDS_DB_MISSING_COLUMN},
        {SQLITE_BUSY_SNAPSHOT, "database is locked", IDS_DB_BUSY},
        {SQLITE_READONLY_DBMOVED, "attempt to write a readonly database", IDS_DB_READ_ONLY},
        {SQLITE_FULL, "database or disk is full", IDS_DB_FULL},
        {SQLITE_IOERR_READ, "disk I/O error", IDS_DB_IO_ERROR},
        {SQLITE_ERROR, "near \"x\": syntax error", IDS_DB_ERROR},
    };
    for (const auto& c : cases) {
        const QString text = describeSqliteError(c.code, QString::fromUtf8(c.text));
        EXPECT_EQ(text, LoadResString(c.expected) + " (" + c.text + ")") << c.text;
    }
}

TEST_F(DatabaseFailureTest, AForeignFileIsRefusedWithACzechDescription) {
    QFile corrupt(m_folder.file(QStringLiteral("Data/corrupt.db")));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray(8192, 'x'));
    corrupt.close();
    try {
        Database::open(corrupt.fileName(), collectionPassword());
        FAIL() << "opened";
    } catch (const DaoException& e) {
        EXPECT_TRUE(e.description().startsWith(LoadResString(IDS_DB_NOT_A_DATABASE))) << e.what();
    }
}
