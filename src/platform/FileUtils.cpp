#include "platform/FileUtils.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

bool PathExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).exists();
}

void ClearReadOnly(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isSymLink() && !(info.permissions() & QFileDevice::WriteOwner))
        QFile::setPermissions(path, info.permissions() | QFileDevice::WriteOwner);
}

namespace {
// Empties the folder open at `fd` (which it closes) entry by entry relative to the descriptor, so
// a link swapped in for a sub-folder is removed as a link instead of being followed.
void deleteContentsAt(int fd) {
    struct stat own {};
    // A folder that cannot be entered or changed (read-only) is made ours to empty.
    if (fstat(fd, &own) == 0 && (own.st_mode & S_IRWXU) != S_IRWXU)
        fchmod(fd, own.st_mode | S_IRWXU);
    DIR* dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return;
    }
    std::vector<std::string> names;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    for (const std::string& name : names) {
        struct stat info {};
        if (fstatat(fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(info.st_mode)) {
            const int sub =
                openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0)
                deleteContentsAt(sub);
            unlinkat(fd, name.c_str(), AT_REMOVEDIR);
        } else {
            unlinkat(fd, name.c_str(), 0);
        }
    }
    closedir(dir);
}
} // namespace

bool DeleteFolderContents(const QString& folder) {
    const int fd = open(QFile::encodeName(folder).constData(),
                        O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (fstat(fd, &info) != 0 || info.st_uid != getuid()) {
        close(fd);
        return false;
    }
    deleteContentsAt(fd);
    return true;
}

bool CopyFileReplacing(const QString& source, const QString& target) {
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return false;
    ClearReadOnly(target);
    return writeFileNoFollow(target, input.readAll());
}

bool writeFileNoFollow(const QString& path, const QByteArray& bytes) {
    const int fd = open(QFile::encodeName(path).constData(),
                        O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    struct stat info {};
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1 &&
              info.st_uid == getuid();
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const ssize_t n =
            write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        done += n > 0 ? n : 0;
    }
    // Written over the old text and cut after the new one: a page shown again is written over
    // blocks it already has. Emptying the file first would free them (a discard on the disk)
    // and make the file system flush the new text at close, as a file replaced by truncation.
    ok = ok && ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
    return close(fd) == 0 && ok;
}

bool copyFolder(const QString& source, const QString& target) {
    QDir(target).removeRecursively();
    if (!QDir().mkpath(target))
        return false;
    QDirIterator it(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    const QDir from(source);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString copy = target + QLatin1Char('/') + from.relativeFilePath(path);
        const QFileInfo info = it.fileInfo();
        if (info.isDir() && !info.isSymLink()) {
            if (!QDir().mkpath(copy))
                return false;
        } else if (!QFile::copy(path, copy) ||
                   !QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOwner)) {
            return false;
        }
    }
    return true;
}
