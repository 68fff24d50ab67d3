#include "platform/ProgramFolders.h"

#include "platform/FileUtils.h"
#include "platform/Messages.h"
#include "platform/PrivateTempFolder.h"
#include "platform/ProgramFolderChoice.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "platform/WorkingFolderLock.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

const char* const g_arrMarkerImages[6] = {"paragrafy.gif",    "s_vlevo.gif",
                                          "s_vpravo.gif",     "s_vpravo_novela.gif",
                                          "s_predchudce.gif", "s_nasledovnik.gif"};

namespace {
void reportFolderProblem(const QString& path) {
    ShowMessage(LoadResString(IDS_FOLDER_NOT_CREATED).replace(QStringLiteral("%1"), path),
                MessageIcon::Error);
}

// Empty when no private folder can be had: then nothing is written anywhere.
QString workingFolderPath() {
    const QString temp = privateTempFolder();
    return temp.isEmpty() ? QString() : temp + QStringLiteral("/QrmHtml");
}

// Reports a folder that cannot be used once per run.
void reportOnce(const QString& path) {
    ShowMessageOnce(LoadResString(IDS_FOLDER_NOT_CREATED).replace(QStringLiteral("%1"), path),
                    MessageIcon::Error);
}
// A folder of ours, made 0700 when missing. Somebody else's folder or a link planted in our place
// is reported and never written to.
bool claimOrMakeFolder(const QString& folder) {
    FolderClaim claim = claimFolder(folder);
    if (claim == FolderClaim::Missing && mkdir(QFile::encodeName(folder).constData(), 0700) == 0)
        claim = claimFolder(folder);
    if (claim != FolderClaim::Ours)
        reportOnce(folder);
    return claim == FolderClaim::Ours;
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
    const QString working = GetWorkingFolder();
    // What a run that was killed left behind goes, unless another reader is using it.
    m_pLock = std::make_shared<WorkingFolderLock>();
    if (!working.isEmpty() && IsWorkingFolderUsable() &&
        m_pLock->acquire(privateTempFolder() + QStringLiteral("/tavlin-reader.lock")))
        DeleteFolderContents(working);
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
    const QString working = workingFolderPath();
    if (working.isEmpty()) {
        reportOnce(QStringLiteral("/tmp"));
        return QString();
    }
    // The working folder first: when it is refused, its sub-folders are not reported again.
    if (claimOrMakeFolder(working) && path != working)
        claimOrMakeFolder(path);
    return path;
}

QString ProgramFolders::GetWorkingFolder() const {
    return ensureFolder(workingFolderPath());
}

QString ProgramFolders::GetImagesFolder() const {
    const QString working = workingFolderPath();
    return working.isEmpty() ? QString() : ensureFolder(working + QStringLiteral("/images"));
}

bool ProgramFolders::IsWorkingFolderUsable() const {
    const QString working = workingFolderPath();
    if (working.isEmpty() || claimFolder(working) != FolderClaim::Ours)
        return false;
    const FolderClaim images = claimFolder(working + QStringLiteral("/images"));
    return images != FolderClaim::Refused;
}

void ProgramFolders::EmptyWorkingFolderAtExit() const {
    const QString working = GetWorkingFolder();
    if (working.isEmpty() || !IsWorkingFolderUsable() || (m_pLock && !m_pLock->isAlone()))
        return;
    DeleteFolderContents(working);
}
