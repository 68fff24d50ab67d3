#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3_stmt;
class Database;

// One row of table dokument. Empty texts are stored as NULL, so that "norma Is Not Null" and the
// display title behave as in a collection where the column was never filled.
struct DokumentRow {
    int id = 0;
    QString jmeno;
    QString ozn;
    int pohled = 1;
    int obor = 0;
    int typ = 0;
    int poradi = 0;
    QString norma;
    int uroven = 0;
    QString priloha;
    QString novinka;
    int nasledovnik = 0;
    QString platnostZacatek;
    QString platnostKonec;
    int redirectId = 0;
    QString redirectPar;
    int typnovelizace = 1;
};

// Fills a freshly created collection inside one transaction with prepared statements; the
// transaction is rolled back unless commit() is called. Throws DaoException.
class CollectionInserter {
public:
    explicit CollectionInserter(Database& database);
    ~CollectionInserter();
    CollectionInserter(const CollectionInserter&) = delete;
    CollectionInserter& operator=(const CollectionInserter&) = delete;

    void addOblast(int id, const QString& name);
    void addTyp(int id, const QString& name);
    void addObor(int id, const QString& name);
    void addDokument(const DokumentRow& row);
    void addDokumentOblast(int dokument, int oblast);
    void addDokumentNorma(int dokument, const QString& nazev);
    // `obsah` is UTF-8; empty dates are open ends. Returns the new section identifier.
    qint64 addSekce(int dokument, int poradi, const QByteArray& obsah,
                    const QString& datumNovelizace, const QString& datumDo);
    void addImage(int id, const QByteArray& data, const QString& extension);
    void addDokumentImage(int imageId, int dokument);

    void commit();

private:
    enum Statement {
        Oblast,
        Typ,
        Obor,
        Dokument,
        DokumentOblast,
        DokumentNorma,
        Sekce,
        Image,
        DokumentImage,
        StatementCount
    };
    sqlite3_stmt* prepared(Statement which);
    void bindText(sqlite3_stmt* stmt, int index, const QString& text);
    void step(sqlite3_stmt* stmt);

    Database& m_database;
    sqlite3_stmt* m_statements[StatementCount] = {};
    bool m_bOpen = false;
};
