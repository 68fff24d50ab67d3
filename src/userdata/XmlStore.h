#pragma once

#include <QString>
#include <QStringList>

class DataFile;
class ProgramFolders;
enum class DataKind;

// The user's notes and favourites: Data/Notes.xml holds one note per document, Data/Favourites.xml
// the favourite documents, both keyed by the document's name. A command makes one store for one
// or two operations; every operation reads the file anew and a changing one writes it back whole.
//
// Failures are shown as messages (the file could not be created or read) and give the failure
// result. Saves replace the file atomically, so a crash or a full disk leaves the old file or the
// new one; a file that cannot be read is never written over.
class CXmlStore {
public:
    CXmlStore(QString notesPath, QString favouritesPath);
    explicit CXmlStore(const ProgramFolders& folders);

    // The note on the document, empty when it has none.
    QString GetNote(const QString& docName);
    // Stores the note (an empty one too: the entry stays). False when it was not stored.
    bool SetNote(const QString& docName, const QString& text);
    // The favourite documents' names in file order.
    QStringList GetFavourites();
    bool IsFavourite(const QString& docName);
    // Adds the name unless it is there already; the file is written in both cases.
    bool AddFavourite(const QString& docName);
    // True when an entry was removed.
    bool RemoveFavourite(const QString& docName);

    // Whether the last operation failed (its message was shown).
    bool Failed() const { return m_bFailed; }
    // Shows a file's "cannot be read" message at most once in this run, for callers that ask
    // the same question over and over (the enabling of commands).
    void SetReportLoadFailureOnce(bool bOnce) { m_bReportOnce = bOnce; }

    // How every operation writes a document name: double quotes become apostrophes, characters
    // that an XML file cannot hold are left out.
    static QString StoredName(const QString& docName);

private:
    enum class Opened { Missing, Failed, Ready };

    Opened open(DataFile& file, const QString& path, bool bCreate, bool bNeedRoot);
    bool CreateDataFile(const QString& path, DataKind kind);
    bool SaveFile(const DataFile& file, const QString& path);
    void reportLoadFailure(const QString& path, const QString& reason);
    void reportSaveFailure(const QString& path, const QString& reason);

    QString m_strNotesPath;
    QString m_strFavouritesPath;
    bool m_bFailed = false;
    bool m_bReportOnce = false;
};
