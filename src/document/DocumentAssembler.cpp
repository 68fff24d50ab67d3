#include "document/DocumentAssembler.h"

#include "db/DaoException.h"
#include "db/DokumentRecordsets.h"
#include "db/ReportDaoError.h"
#include "document/ComparisonPage.h"
#include "document/HtmlFiles.h"
#include "document/ValidOnDay.h"
#include "document/VersionCompare.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/ProgramFolders.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QDir>

const char* const g_arrFixedLaws[12] = {"DP", "DPH",   "SID",   "DN",    "OBCH",  "OZ",
                                        "ZU", "PRACE", "DEKAP", "DULOK", "SOCPO", "ZDRPO"};

QString fixedLawDesignation(unsigned nCmd) {
    if (nCmd >= ID_FIXED_LAW_FIRST && nCmd <= ID_FIXED_LAW_LAST)
        return QString::fromLatin1(g_arrFixedLaws[nCmd - ID_FIXED_LAW_FIRST]);
    if (nCmd == ID_FIXED_LAW_EXTRA)
        return QString::fromLatin1(g_arrFixedLaws[11]);
    return QString();
}

namespace {
constexpr int kSearchPage = 3;

ComparisonTexts comparisonTexts() {
    return {LoadResString(IDS_COMPARE_HEADING), LoadResString(IDS_COMPARE_NO_CHANGE),
            LoadResString(IDS_COMPARE_ADDED), LoadResString(IDS_COMPARE_REMOVED),
            LoadResString(IDS_COMPARE_CHANGED)};
}
} // namespace

DocumentAssembler::DocumentAssembler(Database& database, const ProgramFolders& folders,
                                     DocumentHooks hooks)
    : m_database(database), m_folders(folders), m_hooks(std::move(hooks)) {}

QString DocumentAssembler::QuoteSql(const QString& text) {
    QString quoted = text;
    return quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
}

void DocumentAssembler::SetOutputFolder(const QString& folder) {
    m_strOutputFolder = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
}

QString DocumentAssembler::workingFolder() const {
    if (m_strOutputFolder.isEmpty())
        return m_folders.GetWorkingFolder();
    QDir().mkpath(m_strOutputFolder);
    return m_strOutputFolder;
}

QString DocumentAssembler::imagesFolder() const {
    if (m_strOutputFolder.isEmpty())
        return m_folders.GetImagesFolder();
    const QString images = m_strOutputFolder + QStringLiteral("/images");
    QDir().mkpath(images);
    return images;
}

bool DocumentAssembler::mayWrite() const {
    // The output folder was chosen by the user of the command-line tool; the working folder must
    // be our own private one.
    return m_strOutputFolder.isEmpty() ? m_folders.IsWorkingFolderUsable()
                                       : QFileInfo(m_strOutputFolder).isDir();
}

std::optional<QString> DocumentAssembler::documentTitle(int id) {
    CrDokument dokument(m_database);
    dokument.m_strSort = dokument.m_strDefaultSort;
    dokument.m_strFilter = QStringLiteral("(ID = %1)").arg(id);
    dokument.Open();
    if (dokument.GetRecordCount() == 0) {
        dokument.Close();
        return std::nullopt;
    }
    dokument.MoveFirst();
    const QString title = dokument.GetTitle();
    dokument.Close();
    return title;
}

bool DocumentAssembler::OpenDocument(int id, const QString& anchor, const QDateTime* validOn) {
    try {
        const std::optional<QString> title = documentTitle(id);
        if (!title)
            return false;
        showDocumentUnchecked(id, *title, anchor, validOn);
        return true;
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        return false;
    }
}

bool DocumentAssembler::ShowComparison(int id, const QDate& before, const QDate& after) {
    try {
        const std::optional<QString> title = documentTitle(id);
        if (!title)
            return false;
        const QByteArray text = comparisonBody(compareVersions(m_database, id, before, after),
                                               before, after, comparisonTexts());
        // Both days in the file names: the comparison is a history entry of its own.
        m_strLastTag =
            QStringLiteral("_%1_%2").arg(before.toString(Qt::ISODate), after.toString(Qt::ISODate));
        m_strLastDayNote = LoadResString(IDS_COMPARE_NOTE)
                               .replace(QStringLiteral("%1"), czechDay(before))
                               .replace(QStringLiteral("%2"), czechDay(after));
        WriteDocument(id, *title, text, QString());
        return true;
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        return false;
    }
}

void DocumentAssembler::ShowDocument(int id, const QString& title, const QString& anchor,
                                     const QDateTime* validOn) {
    // List pages call this directly from their click handlers: a database failure is reported
    // here rather than let loose into the event loop.
    try {
        showDocumentUnchecked(id, title, anchor, validOn);
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
    }
}

void DocumentAssembler::showDocumentUnchecked(int id, const QString& title, const QString& anchor,
                                              const QDateTime* validOn) {
    const QDateTime now = currentDateTime();
    const QDate chosen = m_hooks.chosenDay ? m_hooks.chosenDay() : QDate();
    QDateTime when = now;
    if (validOn)
        when = *validOn;
    else if (chosen.isValid())
        when = chosen.startOfDay();
    const QDateTime day = asStoredDateTime(when);
    // The text of a chosen day gets files of its own, so that the history keeps the day; a link
    // with a day of its own writes the document's usual files, as it always has.
    m_strLastTag = validOn ? QString() : dayFileTag(when.date(), now.date());
    m_strLastDayNote =
        when.date() == now.date()
            ? QString()
            : LoadResString(IDS_VALID_ON_NOTE).replace(QStringLiteral("%1"), czechDay(when.date()));
    WriteDocument(id, title, assembleText(id, day), anchor);
}

QByteArray DocumentAssembler::assembleText(int id, const QDateTime& day) {
    CrDokumentSekceView sections(m_database);
    sections.m_strFilter = QStringLiteral("(dokument = %1)").arg(id);
    sections.Open();
    QByteArray text;
    while (!sections.IsEOF()) {
        if (isVersionValidOn(sections.m_datumNovelizace, sections.m_datumDo, day))
            text += sections.GetObsahUtf8();
        sections.MoveNext();
    }
    sections.Close();
    return text;
}

void DocumentAssembler::OpenByDesignation(const QString& ozn) {
    int target = 0;
    QString anchor;
    try {
        CrDokument dokument(m_database);
        dokument.m_strFilter = QStringLiteral("(ozn = '%1')").arg(QuoteSql(ozn));
        dokument.m_strSort = QStringLiteral("[id]");
        dokument.Open();
        if (dokument.IsBOF() || dokument.IsEOF()) {
            dokument.Close();
            ShowMessage(IDS_INVALID_LINK);
            return;
        }
        target = dokument.m_ID;
        if (dokument.m_redirectId != 0) {
            target = dokument.m_redirectId;
            if (!dokument.m_redirectPar.isEmpty())
                anchor = QLatin1Char('#') + dokument.m_redirectPar;
        }
        dokument.Close();
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        return;
    }
    if (!OpenDocument(target, anchor, nullptr))
        ShowMessage(IDS_INVALID_LINK);
}

void DocumentAssembler::OpenFixedLaw(unsigned nCmd) {
    const QString ozn = fixedLawDesignation(nCmd);
    // An unknown command would otherwise match every document without a designation.
    if (ozn.isEmpty())
        return;
    try {
        CrDokument dokument(m_database);
        dokument.m_strFilter = QStringLiteral("(ozn LIKE '%1')").arg(ozn);
        dokument.Open();
        if (dokument.GetRecordCount() == 0) {
            dokument.Close();
            return;
        }
        dokument.MoveFirst();
        const QString title = dokument.GetTitle();
        const int id = dokument.m_ID;
        dokument.Close();
        showDocumentUnchecked(id, title, QString(), nullptr);
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
    }
}

void DocumentAssembler::WriteDocument(int id, const QString& title, const QByteArray& text,
                                      const QString& anchor) {
    WriteDocumentPages(id, title, text, anchor, QStringLiteral("/Body0.html"));
}

void DocumentAssembler::ShowPrintVersion() {
    // Before the first document there is nothing to print (and no document 0 to write).
    if (m_nLastDocId == 0)
        return;
    WriteDocumentPages(m_nLastDocId, m_strLastTitle, m_strLastText, m_strLastAnchor,
                       QStringLiteral("/Body0print.html"));
}

void DocumentAssembler::WriteDocumentPages(int id, const QString& title, const QByteArray& text,
                                           const QString& anchor, const QString& bodyTemplate) {
    m_nLastDocId = id;
    m_strLastTitle = title;
    m_strLastText = text;
    m_strLastAnchor = anchor;
    // A document is written whole or not at all.
    const std::optional<PageTemplates> templates = readPageTemplates(bodyTemplate);
    if (!templates)
        return;

    const QString titlePath = writeTitlePage(id, title, templates->title);

    QByteArray body = templates->body;
    body.replace("#TEXT#", text);
    const QString bodyPath =
        workingFolder() + QStringLiteral("/B%1%2.html").arg(id).arg(m_strLastTag);
    if (mayWrite())
        writeGeneratedBytes(bodyPath, body);

    QString frameset = QString::fromUtf8(templates->frameset);
    frameset.replace(QStringLiteral("#TITLE#"), title);
    frameset.replace(QStringLiteral("#FILE_TITLE#"), pathInAttribute(titlePath));
    QString shownAnchor = anchor;
    if (shownAnchor.isEmpty() && m_hooks.currentPage && m_hooks.currentPage() == kSearchPage)
        shownAnchor = QStringLiteral("#prvniNalezeny");
    frameset.replace(QStringLiteral("#FILE_BODY#"),
                     pathInAttribute(bodyPath) + shownAnchor.toHtmlEscaped());
    const QString framesetPath =
        workingFolder() + QStringLiteral("/D%1%2.html").arg(id).arg(m_strLastTag);
    const bool framesetWritten = mayWrite() && writeGeneratedFile(framesetPath, frameset);

    writePictures(id);

    // Without a new frameset the view keeps the page it shows (never an older copy of D<id>).
    if (framesetWritten && m_hooks.navigate)
        m_hooks.navigate(framesetPath);
}

std::optional<DocumentAssembler::PageTemplates>
DocumentAssembler::readPageTemplates(const QString& bodyTemplate) const {
    PageTemplates templates;
    const QString names[] = {QStringLiteral("/Title0.html"), bodyTemplate,
                             QStringLiteral("/doc0.html")};
    QByteArray* texts[] = {&templates.title, &templates.body, &templates.frameset};
    for (int i = 0; i < 3; ++i) {
        const QString path = m_folders.GetHtmlFolder() + names[i];
        std::optional<QByteArray> bytes = readTemplateBytes(path);
        if (!bytes) {
            // Once per template and run: every further document would only repeat it.
            ShowMessageOnce(LoadResString(IDS_TEMPLATE_MISSING).replace(QStringLiteral("%1"), path),
                            MessageIcon::Error);
            return std::nullopt;
        }
        *texts[i] = std::move(*bytes);
    }
    return templates;
}

void DocumentAssembler::writePictures(int id) {
    CrImages images(m_database);
    images.m_strFilter = QStringLiteral("dokument = %1").arg(id);
    images.Open();
    while (!images.IsEOF()) {
        // The extension comes from the database: it must not lead out of the images folder.
        if (isSafeExtension(images.m_extension) && mayWrite()) {
            const QString path =
                imagesFolder() + QStringLiteral("/I%1.%2").arg(images.m_id).arg(images.m_extension);
            writeGeneratedBytes(path, images.m_imageData);
        }
        images.MoveNext();
    }
    images.Close();
}

QString DocumentAssembler::WriteTitlePage(int id, const QString& title) {
    const std::optional<QByteArray> page =
        readTemplateBytes(m_folders.GetHtmlFolder() + QStringLiteral("/Title0.html"));
    return page ? writeTitlePage(id, title, *page) : QString();
}

QString DocumentAssembler::writeTitlePage(int id, const QString& title,
                                          const QByteArray& titleTemplate) {
    QString page = QString::fromUtf8(titleTemplate);
    QString icon;
    const QString notePicture = m_folders.GetHtmlFolder() + QStringLiteral("/img/note.jpg");
    QString display;
    QString noteText;
    if (HasNote(GetDocumentName(id, display), noteText)) {
        // The note is the user's free text: escaped, so that a quote cannot end the attribute.
        icon = QStringLiteral("<A HREF=\"javascript:OnNote()\"><IMG SRC=\"%1\" BORDER=\"0\" "
                              "ALIGN=\"LEFT\" ALT=\"%2\"></A>")
                   .arg(pathInAttribute(notePicture), noteText.toHtmlEscaped());
    }
    page.replace(QStringLiteral("#ICON#"), icon);
    page.replace(QStringLiteral("#TITLE#"), title);
    page.replace(QStringLiteral("#VALIDON#"),
                 m_strLastDayNote.isEmpty() ? QString()
                                            : QStringLiteral("<div class=\"platnost\">%1</div>")
                                                  .arg(m_strLastDayNote.toHtmlEscaped()));
    const QString path = workingFolder() + QStringLiteral("/T%1%2.html").arg(id).arg(m_strLastTag);
    if (mayWrite())
        writeGeneratedFile(path, page);
    return path;
}

void DocumentAssembler::RefreshTitlePage(int id, const QString& title) {
    WriteTitlePage(id, title);
    if (m_hooks.refresh)
        m_hooks.refresh();
}

bool DocumentAssembler::HasNote(const QString& name, QString& text) {
    text = m_hooks.noteText ? m_hooks.noteText(name) : QString();
    return !text.isEmpty();
}

QString DocumentAssembler::GetDocumentName(int id, QString& display) {
    try {
        CrDokument dokument(m_database);
        dokument.m_strSort = dokument.m_strDefaultSort;
        dokument.m_strFilter = QStringLiteral("(ID = %1)").arg(id);
        dokument.Open();
        QString name;
        if (!dokument.IsEOF()) {
            display = dokument.GetDisplayName();
            name = dokument.m_jmeno;
        }
        dokument.Close();
        return name;
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        return QString();
    }
}

QString DocumentAssembler::GetDocumentDesignation(int id) {
    try {
        CrDokument dokument(m_database);
        dokument.m_strSort = dokument.m_strDefaultSort;
        dokument.m_strFilter = QStringLiteral("(ID = %1)").arg(id);
        dokument.Open();
        const QString ozn = dokument.IsEOF() ? QString() : dokument.m_ozn;
        dokument.Close();
        return ozn;
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        return QString();
    }
}

int DocumentAssembler::FindDocumentByName(const QString& pattern, QString& display) {
    try {
        CrDokument dokument(m_database);
        dokument.m_strSort = dokument.m_strDefaultSort;
        dokument.m_strFilter = QStringLiteral("(jmeno LIKE '%1')").arg(pattern);
        dokument.Open();
        int id = 0;
        if (!dokument.IsEOF()) {
            display = dokument.GetDisplayName();
            id = dokument.m_ID;
        }
        dokument.Close();
        return id;
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        return 0;
    }
}
