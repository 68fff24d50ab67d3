#pragma once

#include <QString>

// A share of the lock that every running reader of this user holds on its working folder, so
// that a start removes only what an ended run left there and an exit empties the folder only
// when no other reader still shows pages from it.
class WorkingFolderLock {
public:
    WorkingFolderLock() = default;
    WorkingFolderLock(const WorkingFolderLock&) = delete;
    WorkingFolderLock& operator=(const WorkingFolderLock&) = delete;
    ~WorkingFolderLock();

    // Takes a share of the lock in the file `path`; true when no other reader holds one.
    bool acquire(const QString& path);
    // Whether no other reader holds a share now.
    bool isAlone() const;

private:
    int m_fd = -1;
};
