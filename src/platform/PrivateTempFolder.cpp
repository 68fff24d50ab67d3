#include "platform/PrivateTempFolder.h"

#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

bool isFolderSafeToUse(const QString& path) {
    struct stat info {};
    if (lstat(QFile::encodeName(path).constData(), &info) != 0)
        return true;
    return S_ISDIR(info.st_mode) && info.st_uid == getuid();
}

QString privateTempFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isFolderSafeToUse(runtime))
        return runtime;
    const QString own = QStringLiteral("/tmp/tavlin-%1").arg(getuid());
    const QByteArray encoded = QFile::encodeName(own);
    if (mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    struct stat info {};
    if (lstat(encoded.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != getuid() || (info.st_mode & 0077) != 0)
        return QString();
    return own;
}
