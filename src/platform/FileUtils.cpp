#include "platform/FileUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool PathExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).exists();
}

void ClearReadOnly(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isSymLink() && !(info.permissions() & QFileDevice::WriteOwner))
        QFile::setPermissions(path, info.permissions() | QFileDevice::WriteOwner);
}

bool DeleteFolderContents(const QString& folder) {
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir())
        return false;
    // A folder that cannot be entered (read-only, no search bit) is made ours to empty.
    ClearReadOnly(folder);
    QFile::setPermissions(folder, QFileInfo(folder).permissions() | QFileDevice::ExeOwner);
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            DeleteFolderContents(entry.filePath());
            dir.rmdir(entry.fileName());
        } else {
            ClearReadOnly(entry.filePath());
            QFile::remove(entry.filePath());
        }
    }
    return true;
}

bool CopyFileReplacing(const QString& source, const QString& target) {
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return false;
    ClearReadOnly(target);
    QFile::remove(target);
    QFile output(target);
    if (!output.open(QIODevice::WriteOnly))
        return false;
    return output.write(input.readAll()) == input.size();
}
