#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Database;
class ProgramFolders;

// What the assembly needs from the windows around it. Any hook may be left empty: navigation and
// refresh then do nothing, the shown page counts as 0 and no document has a note.
struct DocumentHooks {
    // Shows the frameset file in the document view.
    std::function<void(const QString& framesetPath)> navigate;
    // Reloads the page shown in the document view (after the title page changed).
    std::function<void()> refresh;
    // Index of the navigation page shown; 3 is the search page.
    std::function<int()> currentPage;
    // The user's note on the document of that name, empty when there is none.
    std::function<QString(const QString& documentName)> noteText;
    // The day chosen for documents opened without a day of their own; invalid means today.
    std::function<QDate()> chosenDay;
};

// The twelve designations of the fixed-law commands, in command order.
extern const char* const g_arrFixedLaws[12];

// The designation of a fixed-law command (32798 to 32808 and 32829), empty for any other id.
QString fixedLawDesignation(unsigned nCmd);

// Assembles documents of the law collection into HTML pages in the working folder: the title
// page T<id>.html, the body page B<id>.html, the frameset D<id>.html and the document's pictures
// in images/, then asks the document view to show the frameset. Every request reads the database
// anew; only the last document's parameters are kept, for the print version.
class DocumentAssembler {
public:
    DocumentAssembler(Database& database, const ProgramFolders& folders, DocumentHooks hooks);

    // Shows the document with this identifier as valid on `validOn` (null: now) at `anchor`.
    // False when there is no such document or the database failed (already reported).
    bool OpenDocument(int id, const QString& anchor, const QDateTime* validOn);
    // Assembles and shows the section versions of `id` valid on the day under `title`.
    void ShowDocument(int id, const QString& title, const QString& anchor,
                      const QDateTime* validOn);
    // The comparison of the document's text valid on `before` with that valid on `after`, shown
    // as one page. False when there is no such document or the database failed (reported).
    bool ShowComparison(int id, const QDate& before, const QDate& after);
    // The document of a tavlin: link, following its redirect; 61465 when there is none.
    void OpenByDesignation(const QString& ozn);
    // One of the twelve laws of the favourites menu; nothing happens when it is missing.
    void OpenFixedLaw(unsigned nCmd);

    // The document's text is HTML in UTF-8 as the collection stores it.
    void WriteDocument(int id, const QString& title, const QByteArray& text, const QString& anchor);
    // The last written document again, with the print body.
    void ShowPrintVersion();
    // `bodyTemplate` is a file name below the Html folder, beginning with "/".
    void WriteDocumentPages(int id, const QString& title, const QByteArray& text,
                            const QString& anchor, const QString& bodyTemplate);
    // Full path of the title page; empty when Title0.html cannot be read.
    QString WriteTitlePage(int id, const QString& title);
    // Rewrites the title page (its note icon) and reloads the view.
    void RefreshTitlePage(int id, const QString& title);

    // jmeno of the document (empty when none); `display` gets its display name when found.
    QString GetDocumentName(int id, QString& display);
    QString GetDocumentDesignation(int id);
    // ID of the first document whose jmeno is LIKE `pattern` (quoted by the caller), 0 if none.
    int FindDocumentByName(const QString& pattern, QString& display);
    bool HasNote(const QString& name, QString& text);

    // `text` with every apostrophe doubled, for a quoted SQL literal.
    static QString QuoteSql(const QString& text);

    // Writes into `folder` (pictures into its images subfolder) instead of the working folder;
    // an empty folder restores the working folder.
    void SetOutputFolder(const QString& folder);

    int m_nLastDocId = 0;
    QString m_strLastTitle;
    QByteArray m_strLastText;
    QString m_strLastAnchor;
    // What sets the last document's files apart from those of today's text ("_2008-01-01") and
    // the line the title page shows for it (empty for today).
    QString m_strLastTag;
    QString m_strLastDayNote;

private:
    QByteArray assembleText(int id, const QDateTime& day);
    // The title of document `id`, none when there is no such document; database failures thrown.
    std::optional<QString> documentTitle(int id);
    void showDocumentUnchecked(int id, const QString& title, const QString& anchor,
                               const QDateTime* validOn);
    // The three templates of a document's pages as read from the Html folder.
    struct PageTemplates {
        QByteArray title;
        QByteArray body;
        QByteArray frameset;
    };
    // The title, `bodyTemplate` and frameset templates; the first missing one is reported.
    std::optional<PageTemplates> readPageTemplates(const QString& bodyTemplate) const;
    QString writeTitlePage(int id, const QString& title, const QByteArray& titleTemplate);
    void writePictures(int id);
    QString workingFolder() const;
    QString imagesFolder() const;
    bool mayWrite() const;

    Database& m_database;
    const ProgramFolders& m_folders;
    DocumentHooks m_hooks;
    QString m_strOutputFolder;
};
