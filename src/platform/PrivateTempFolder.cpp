#include "platform/PrivateTempFolder.h"

#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool isOwnedAndClosed(const QByteArray& path) {
    struct stat info {};
    return lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == getuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}
} // namespace

FolderClaim claimFolder(const QString& path) {
    const QByteArray encoded = QFile::encodeName(path);
    struct stat info {};
    if (lstat(encoded.constData(), &info) != 0)
        return errno == ENOENT ? FolderClaim::Missing : FolderClaim::Refused;
    if (!S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return FolderClaim::Refused;
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0 && chmod(encoded.constData(), 0700) != 0)
        return FolderClaim::Refused;
    // A link swapped in between the checks is caught by looking once more.
    return isOwnedAndClosed(encoded) ? FolderClaim::Ours : FolderClaim::Refused;
}

QString privateTempFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isOwnedAndClosed(QFile::encodeName(runtime)))
        return runtime;
    const QString own = QStringLiteral("/tmp/tavlin-%1").arg(getuid());
    const QByteArray encoded = QFile::encodeName(own);
    if ((mkdir(encoded.constData(), 0700) == 0 || errno == EEXIST) &&
        claimFolder(own) == FolderClaim::Ours)
        return own;
    // Somebody else holds our name in /tmp: a fresh folder nobody can have prepared.
    static const QString fresh = [] {
        QByteArray name = QFile::encodeName(QStringLiteral("/tmp/tavlin-%1-XXXXXX").arg(getuid()));
        return mkdtemp(name.data()) ? QFile::decodeName(name) : QString();
    }();
    return fresh;
}
