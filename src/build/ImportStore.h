#pragma once

#include "build/VersionMerger.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

class Database;
struct sqlite3_stmt;

// The reads and updates of a collection the importer needs beside CollectionInserter's inserts,
// run on the same connection (and so inside its transaction).
class ImportStore {
public:
    explicit ImportStore(Database& database);
    ~ImportStore();
    ImportStore(const ImportStore&) = delete;
    ImportStore& operator=(const ImportStore&) = delete;

    // norma -> document of the regulations (pohled 1) that have a number; the lowest ID wins.
    QHash<QString, int> documentsByNorma();
    int maxDocumentId();
    // name -> ID of table oblasti or typy.
    QHash<QString, int> namedRows(const QString& table);
    QList<StoredSection> sections(int dokument);
    // The anchors (<a name="…">) in the versions of a document that are still valid.
    QSet<QString> currentAnchors(int dokument);
    void updateSection(qint64 sekce, int poradi, const QString& datumDo);

private:
    sqlite3_stmt* prepare(const char* sql);
    void check(int rc);

    Database& m_database;
    QList<sqlite3_stmt*> m_statements;
    sqlite3_stmt* m_pSections = nullptr;
    sqlite3_stmt* m_pUpdate = nullptr;
};
