#pragma once

#include <QString>

// The user's private temporary folder: $XDG_RUNTIME_DIR when set, else a folder of the user's
// own under /tmp, made with mode 0700. Empty when no such private folder can be had.
QString privateTempFolder();

// Whether `path` is a real folder (not a symbolic link) that belongs to this user; a path that
// does not exist yet counts as safe.
bool isFolderSafeToUse(const QString& path);
