#include "platform/ProgramFolderChoice.h"

#include "platform/FileUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString canonical(const QString& folder) {
    const QString path = QFileInfo(folder).canonicalFilePath();
    return path.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : path;
}

} // namespace

bool isProgramFolder(const QString& folder) {
    const QDir dir(folder);
    return !folder.isEmpty() && dir.exists(QStringLiteral("Data")) &&
           dir.exists(QStringLiteral("Index")) && dir.exists(QStringLiteral("Html"));
}

QString chooseProgramFolder(const ProgramFolderChoice& choice) {
    if (!choice.strExplicitFolder.isEmpty())
        return choice.strExplicitFolder;
    if (choice.bShellLaunch && isProgramFolder(choice.strProgramFileFolder))
        return choice.strProgramFileFolder;
    const bool bInstalled = isProgramFolder(choice.strInstalledDemo);
    if (isProgramFolder(choice.strCurrentFolder) &&
        !(bInstalled && canonical(choice.strCurrentFolder) == canonical(choice.strInstalledDemo)))
        return choice.strCurrentFolder;
    if (bInstalled && !choice.strUserFolder.isEmpty())
        return choice.strUserFolder;
    return choice.strCurrentFolder;
}

bool prepareUserProgramFolder(const QString& userFolder, const QString& installedDemo) {
    if (isProgramFolder(userFolder))
        return true;
    const QDir demo(installedDemo);
    const QString data = userFolder + QStringLiteral("/Data");
    // Data last: a folder without it is no program folder, so a failed first start is retried.
    if (!copyFolder(demo.filePath(QStringLiteral("Html")), userFolder + QStringLiteral("/Html")) ||
        !copyFolder(demo.filePath(QStringLiteral("Index")), userFolder + QStringLiteral("/Index")))
        return false;
    const QString staging = userFolder + QStringLiteral("/.Data-new");
    QDir(staging).removeRecursively();
    if (!QDir().mkpath(staging))
        return false;
    const QDir demoData(demo.filePath(QStringLiteral("Data")));
    for (const QString& name : demoData.entryList({QStringLiteral("*.db")}, QDir::Files)) {
        // The collection stays the installation's, so an upgrade brings its new texts.
        if (!QFile::link(QFileInfo(demoData.filePath(name)).absoluteFilePath(),
                         staging + QLatin1Char('/') + name))
            return false;
    }
    return QDir().rename(staging, data);
}

QString installedDemoFolder(const QString& programFileFolder) {
    const QString demo =
        QDir::cleanPath(programFileFolder + QStringLiteral("/../share/tavlin/demo"));
    return isProgramFolder(demo) ? demo : QString();
}

QString userProgramFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/tavlin");
}
