#pragma once

#include "build/LawFile.h"

#include <QHash>
#include <QList>
#include <QString>
#include <map>

class Database;
class ImportStore;
struct LawVersions;

struct LawImportSummary {
    int newDocuments = 0;
    int newVersions = 0;     // texts laid over a law the collection held already
    int sectionsWritten = 0; // section versions inserted
    int sectionsUnchanged = 0;
};

// Imports Markdown law files into a collection of ours. Files are read first (a file that cannot
// be read is recorded as an error and left out), then written together, so that references
// between the files resolve whatever their order. Several consolidated texts of one law become
// versions of one document, in the order of their dates.
class LawImporter {
public:
    // A file, or the *.md files below a folder in name order.
    void addPath(const QString& path);
    void addText(LawText law) { m_laws.append(std::move(law)); }

    const QList<LawFileError>& errors() const { return m_errors; }
    qsizetype lawCount() const { return m_laws.size(); }

    // Writes the laws read into `database` inside one transaction. A text that is not later than
    // the newest version the collection holds of its law is recorded as an error and left out.
    // Throws DaoException (the transaction is then rolled back).
    LawImportSummary write(Database& database);

private:
    void addFile(const QString& path);
    // The texts by law, each law's in date order without those not later than the collection's
    // newest version of it; new laws get the next free document IDs (added to `byNorma`).
    std::map<QString, LawVersions> groupVersions(ImportStore& store, QHash<QString, int>& byNorma);

    QList<LawText> m_laws;
    QList<LawFileError> m_errors;
};
