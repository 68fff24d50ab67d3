#include "platform/WorkingFolderLock.h"

#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

WorkingFolderLock::~WorkingFolderLock() {
    if (m_fd >= 0)
        close(m_fd);
}

bool WorkingFolderLock::acquire(const QString& path) {
    if (m_fd < 0)
        m_fd = open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC,
                    0600);
    if (m_fd < 0)
        return false;
    const bool bAlone = isAlone();
    flock(m_fd, LOCK_SH);
    return bAlone;
}

bool WorkingFolderLock::isAlone() const {
    // The exclusive lock is granted only when nobody else holds a share; it is given back at once.
    if (m_fd < 0 || flock(m_fd, LOCK_EX | LOCK_NB) != 0)
        return false;
    flock(m_fd, LOCK_SH);
    return true;
}
