#include "userdata/XmlStore.h"

#include "platform/FileUtils.h"
#include "platform/Messages.h"
#include "platform/ProgramFolders.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "userdata/DataFile.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <libxml/tree.h>

namespace {
// Characters XML 1.0 allows in a document.
bool isXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

QString withoutForbiddenCharacters(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4())
        if (isXmlChar(c))
            out += QString::fromUcs4(&c, 1);
    return out;
}

// Line breaks as the file's tree holds them (the writer puts CR LF into the file).
QString treeText(const QString& text) {
    QString out = withoutForbiddenCharacters(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

// Paths whose "cannot be read" message this run has shown to a report-once caller.
QSet<QString>& reportedPaths() {
    static QSet<QString> paths;
    return paths;
}
} // namespace

CXmlStore::CXmlStore(QString notesPath, QString favouritesPath)
    : m_strNotesPath(std::move(notesPath)), m_strFavouritesPath(std::move(favouritesPath)) {}

CXmlStore::CXmlStore(const ProgramFolders& folders)
    : CXmlStore(folders.GetNotesPath(), folders.GetFavouritesPath()) {}

QString CXmlStore::StoredName(const QString& docName) {
    QString name = withoutForbiddenCharacters(docName);
    name.replace(QLatin1Char('"'), QLatin1Char('\''));
    return name;
}

void CXmlStore::reportLoadFailure(const QString& path, const QString& reason) {
    m_bFailed = true;
    if (m_bReportOnce) {
        if (reportedPaths().contains(path))
            return;
        reportedPaths().insert(path);
    }
    if (reason.isEmpty())
        ShowMessage(IDS_DATA_FILE_NOT_LOADED);
    else
        ShowMessage(LoadResString(IDS_DATA_FILE_NOT_LOADED) + reason);
}

void CXmlStore::reportSaveFailure(const QString& path, const QString& reason) {
    m_bFailed = true;
    ShowMessage(LoadResString(IDS_DATA_FILE_NOT_CREATED).arg(path) + reason);
}

bool CXmlStore::SaveFile(const DataFile& file, const QString& path) {
    QString error;
    const std::optional<QByteArray> bytes = file.save(&error);
    if (!bytes) {
        reportSaveFailure(path, error);
        return false;
    }
    // A temporary file beside the old one, flushed to disk and then renamed over it.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(*bytes) != bytes->size() || !out.commit()) {
        reportSaveFailure(path, out.errorString());
        return false;
    }
    return true;
}

bool CXmlStore::CreateDataFile(const QString& path, DataKind kind) {
    DataFile file(kind);
    file.createEmpty();
    return SaveFile(file, path);
}

CXmlStore::Opened CXmlStore::open(DataFile& file, const QString& path, bool bCreate,
                                  bool bNeedRoot) {
    if (!PathExists(path)) {
        if (!bCreate)
            return Opened::Missing;
        if (!CreateDataFile(path, file.kind()))
            return Opened::Failed;
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        reportLoadFailure(path, in.errorString());
        return Opened::Failed;
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        reportLoadFailure(path, in.errorString());
        return Opened::Failed;
    }
    if (!file.load(bytes) || (bNeedRoot && !file.root())) {
        reportLoadFailure(path, QString());
        return Opened::Failed;
    }
    return Opened::Ready;
}

QString CXmlStore::GetNote(const QString& docName) {
    m_bFailed = false;
    const QString name = StoredName(docName);
    DataFile file(DataKind::Notes);
    if (open(file, m_strNotesPath, false, true) != Opened::Ready)
        return QString();
    QString text;
    if (xmlNodePtr note = file.findEntry(file.root(), name))
        DataFile::GetChildText(note, "doctext", text);
    return text;
}

bool CXmlStore::SetNote(const QString& docName, const QString& text) {
    m_bFailed = false;
    const QString name = StoredName(docName);
    DataFile file(DataKind::Notes);
    if (open(file, m_strNotesPath, true, true) != Opened::Ready)
        return false;
    xmlNodePtr root = file.root();
    if (xmlNodePtr note = file.findEntry(root, name))
        DataFile::SetChildText(note, "doctext", treeText(text));
    else
        file.appendEntry(root, {{"docname", name}, {"doctext", treeText(text)}});
    return SaveFile(file, m_strNotesPath);
}

QStringList CXmlStore::GetFavourites() {
    m_bFailed = false;
    DataFile file(DataKind::Favourites);
    if (open(file, m_strFavouritesPath, false, false) != Opened::Ready)
        return {};
    QStringList names = file.entryNames();
    for (QString& name : names)
        name.replace(QLatin1Char('\''), QLatin1Char('"'));
    return names;
}

bool CXmlStore::IsFavourite(const QString& docName) {
    m_bFailed = false;
    const QString name = StoredName(docName);
    DataFile file(DataKind::Favourites);
    if (open(file, m_strFavouritesPath, false, true) != Opened::Ready)
        return false;
    return file.findEntry(file.root(), name) != nullptr;
}

bool CXmlStore::AddFavourite(const QString& docName) {
    m_bFailed = false;
    const QString name = StoredName(docName);
    DataFile file(DataKind::Favourites);
    if (open(file, m_strFavouritesPath, true, true) != Opened::Ready)
        return false;
    xmlNodePtr root = file.root();
    if (!file.findEntry(root, name))
        file.appendEntry(root, {{"docname", name}});
    return SaveFile(file, m_strFavouritesPath);
}

bool CXmlStore::RemoveFavourite(const QString& docName) {
    m_bFailed = false;
    const QString name = StoredName(docName);
    DataFile file(DataKind::Favourites);
    if (open(file, m_strFavouritesPath, false, true) != Opened::Ready)
        return false;
    xmlNodePtr entry = file.findEntry(file.root(), name);
    if (!entry)
        return false;
    DataFile::removeEntry(entry);
    return SaveFile(file, m_strFavouritesPath);
}
