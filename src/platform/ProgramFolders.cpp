#include "platform/ProgramFolders.h"

#include "platform/FileUtils.h"
#include "platform/Messages.h"
#include "platform/PrivateTempFolder.h"
#include "platform/ProgramFolderChoice.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QDir>
#include <QFile>
#include <QSet>

const char* const g_arrMarkerImages[6] = {"paragrafy.gif",    "s_vlevo.gif",
                                          "s_vpravo.gif",     "s_vpravo_novela.gif",
                                          "s_predchudce.gif", "s_nasledovnik.gif"};

namespace {
void reportFolderProblem(const QString& path) {
    ShowMessage(LoadResString(IDS_FOLDER_NOT_CREATED).replace(QStringLiteral("%1"), path),
                MessageIcon::Error);
}

QString workingFolderPath() {
    const QString temp = privateTempFolder();
    return (temp.isEmpty() ? QStringLiteral("/tmp/tavlin-unavailable") : temp) +
           QStringLiteral("/QrmHtml");
}
} // namespace

void ProgramFolders::SetProgramFolder(const QString& folder) {
    const QString base = QDir(folder).absolutePath();
    m_strProgramFolder = base + QLatin1Char('/');
    m_strDataFolder = base + QStringLiteral("/Data");
    m_strIndexFolder = base + QStringLiteral("/Index");
    m_strHtmlFolder = base + QStringLiteral("/Html");
}

bool ProgramFolders::CheckFolders(bool bShellLaunch, const QString& programPath,
                                  const QString& strFolder) {
    ProgramFolderChoice choice;
    choice.strExplicitFolder = strFolder;
    choice.strCurrentFolder = QDir::currentPath();
    choice.bShellLaunch = bShellLaunch;
    const qsizetype slash = programPath.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0) {
        choice.strProgramFileFolder = programPath.left(slash + 1);
        choice.strInstalledDemo = installedDemoFolder(choice.strProgramFileFolder);
    }
    choice.strUserFolder = userProgramFolder();
    const QString folder = chooseProgramFolder(choice);
    if (folder == choice.strUserFolder &&
        !prepareUserProgramFolder(folder, choice.strInstalledDemo)) {
        reportFolderProblem(folder);
        return false;
    }
    QDir::setCurrent(folder);
    SetProgramFolder(QDir::currentPath());
    if (!PathExists(m_strDataFolder)) {
        ShowMessage(IDS_NO_DATA_FOLDER, MessageIcon::Error);
        return false;
    }
    if (!PathExists(m_strIndexFolder)) {
        ShowMessage(IDS_NO_INDEX_FOLDER, MessageIcon::Error);
        return false;
    }
    if (!PathExists(m_strHtmlFolder)) {
        ShowMessage(IDS_NO_HTML_FOLDER, MessageIcon::Error);
        return false;
    }
    GetWorkingFolder();
    const QString imagesFolder = GetImagesFolder();
    if (IsWorkingFolderUsable())
        CopyMarkerImages(imagesFolder);
    return true;
}

void ProgramFolders::CopyMarkerImages(const QString& imagesFolder) const {
    for (const char* name : g_arrMarkerImages) {
        const QString source = m_strHtmlFolder + QStringLiteral("/img/") + QLatin1String(name);
        if (QFile::exists(source))
            CopyFileReplacing(source, imagesFolder + QLatin1Char('/') + QLatin1String(name));
    }
}

QString ProgramFolders::ensureFolder(const QString& path) const {
    if (!isFolderSafeToUse(path) || !isFolderSafeToUse(workingFolderPath())) {
        // Somebody else's folder or a link planted in our place: warn once, never write there.
        static QSet<QString> reported;
        if (!reported.contains(path)) {
            reported.insert(path);
            reportFolderProblem(path);
        }
        return path;
    }
    if (QFileInfo::exists(path))
        return path;
    if (QDir().mkdir(path))
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
    else
        reportFolderProblem(path);
    return path;
}

QString ProgramFolders::GetWorkingFolder() const {
    return ensureFolder(workingFolderPath());
}

QString ProgramFolders::GetImagesFolder() const {
    return ensureFolder(workingFolderPath() + QStringLiteral("/images"));
}

bool ProgramFolders::IsWorkingFolderUsable() const {
    const QString working = workingFolderPath();
    const QString images = working + QStringLiteral("/images");
    return QFileInfo(working).isDir() && isFolderSafeToUse(working) && isFolderSafeToUse(images);
}
