#include "build/CollectionInserter.h"

#include "db/DaoException.h"
#include "db/Database.h"

#include <sqlite3.h>

namespace {
const char* const g_arrInsertSql[] = {
    "INSERT INTO oblasti (ID, oblast) VALUES (?1, ?2)",
    "INSERT INTO typy (ID, typ) VALUES (?1, ?2)",
    "INSERT INTO obory (ID, obor) VALUES (?1, ?2)",
    ("INSERT INTO dokument (ID, jmeno, ozn, pohled, obor, typ, poradi, norma, uroven, priloha, "
     "novinka, nasledovnik, platnostZacatek, platnostKonec, redirectId, redirectPar, "
     "typnovelizace) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, "
     "?16, ?17)"),
    "INSERT INTO dokumentOblast (dokument, oblast) VALUES (?1, ?2)",
    "INSERT INTO dokumentNorma (dokument, nazev) VALUES (?1, ?2)",
    ("INSERT INTO dokumentSekce (dokument, poradi, obsah, datumNovelizace, datumDo) "
     "VALUES (?1, ?2, ?3, ?4, ?5)"),
    "INSERT INTO images (id, imageData, length, extension) VALUES (?1, ?2, ?3, ?4)",
    "INSERT INTO dokumentImages (imageId, dokument) VALUES (?1, ?2)",
};
} // namespace

CollectionInserter::CollectionInserter(Database& database) : m_database(database) {
    m_database.executeScript(QStringLiteral("BEGIN"));
    m_bOpen = true;
}

CollectionInserter::~CollectionInserter() {
    for (sqlite3_stmt* stmt : m_statements)
        sqlite3_finalize(stmt);
    if (m_bOpen)
        sqlite3_exec(m_database.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

sqlite3_stmt* CollectionInserter::prepared(Statement which) {
    sqlite3_stmt*& stmt = m_statements[which];
    if (!stmt && sqlite3_prepare_v3(m_database.handle(), g_arrInsertSql[which], -1,
                                    SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK)
        throw DaoException(sqliteErrorText(m_database.handle()));
    return stmt;
}

void CollectionInserter::bindText(sqlite3_stmt* stmt, int index, const QString& text) {
    if (text.isEmpty()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void CollectionInserter::step(sqlite3_stmt* stmt) {
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (rc != SQLITE_DONE)
        throw DaoException(sqliteErrorText(m_database.handle()));
}

void CollectionInserter::addOblast(int id, const QString& name) {
    sqlite3_stmt* stmt = prepared(Oblast);
    sqlite3_bind_int(stmt, 1, id);
    bindText(stmt, 2, name);
    step(stmt);
}

void CollectionInserter::addTyp(int id, const QString& name) {
    sqlite3_stmt* stmt = prepared(Typ);
    sqlite3_bind_int(stmt, 1, id);
    bindText(stmt, 2, name);
    step(stmt);
}

void CollectionInserter::addObor(int id, const QString& name) {
    sqlite3_stmt* stmt = prepared(Obor);
    sqlite3_bind_int(stmt, 1, id);
    bindText(stmt, 2, name);
    step(stmt);
}

void CollectionInserter::addDokument(const DokumentRow& row) {
    sqlite3_stmt* stmt = prepared(Dokument);
    sqlite3_bind_int(stmt, 1, row.id);
    bindText(stmt, 2, row.jmeno);
    bindText(stmt, 3, row.ozn);
    sqlite3_bind_int(stmt, 4, row.pohled);
    sqlite3_bind_int(stmt, 5, row.obor);
    sqlite3_bind_int(stmt, 6, row.typ);
    sqlite3_bind_int(stmt, 7, row.poradi);
    bindText(stmt, 8, row.norma);
    sqlite3_bind_int(stmt, 9, row.uroven);
    bindText(stmt, 10, row.priloha);
    bindText(stmt, 11, row.novinka);
    sqlite3_bind_int(stmt, 12, row.nasledovnik);
    bindText(stmt, 13, row.platnostZacatek);
    bindText(stmt, 14, row.platnostKonec);
    sqlite3_bind_int(stmt, 15, row.redirectId);
    bindText(stmt, 16, row.redirectPar);
    sqlite3_bind_int(stmt, 17, row.typnovelizace);
    step(stmt);
}

void CollectionInserter::addDokumentOblast(int dokument, int oblast) {
    sqlite3_stmt* stmt = prepared(DokumentOblast);
    sqlite3_bind_int(stmt, 1, dokument);
    sqlite3_bind_int(stmt, 2, oblast);
    step(stmt);
}

void CollectionInserter::addDokumentNorma(int dokument, const QString& nazev) {
    sqlite3_stmt* stmt = prepared(DokumentNorma);
    sqlite3_bind_int(stmt, 1, dokument);
    bindText(stmt, 2, nazev);
    step(stmt);
}

qint64 CollectionInserter::addSekce(int dokument, int poradi, const QByteArray& obsah,
                                    const QString& datumNovelizace, const QString& datumDo) {
    sqlite3_stmt* stmt = prepared(Sekce);
    sqlite3_bind_int(stmt, 1, dokument);
    sqlite3_bind_int(stmt, 2, poradi);
    sqlite3_bind_text(stmt, 3, obsah.constData(), int(obsah.size()), SQLITE_STATIC);
    bindText(stmt, 4, datumNovelizace);
    bindText(stmt, 5, datumDo);
    step(stmt);
    return sqlite3_last_insert_rowid(m_database.handle());
}

void CollectionInserter::addImage(int id, const QByteArray& data, const QString& extension) {
    sqlite3_stmt* stmt = prepared(Image);
    sqlite3_bind_int(stmt, 1, id);
    sqlite3_bind_blob(stmt, 2, data.constData(), int(data.size()), SQLITE_STATIC);
    sqlite3_bind_int(stmt, 3, int(data.size()));
    bindText(stmt, 4, extension);
    step(stmt);
}

void CollectionInserter::addDokumentImage(int imageId, int dokument) {
    sqlite3_stmt* stmt = prepared(DokumentImage);
    sqlite3_bind_int(stmt, 1, imageId);
    sqlite3_bind_int(stmt, 2, dokument);
    step(stmt);
}

void CollectionInserter::commit() {
    m_database.executeScript(QStringLiteral("COMMIT"));
    m_bOpen = false;
}
