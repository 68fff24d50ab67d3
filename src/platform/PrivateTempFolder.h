#pragma once

#include <QString>

// The user's private temporary folder: $XDG_RUNTIME_DIR when it is a folder of the user's own
// that nobody else may write to, else /tmp/tavlin-<uid> (made with mode 0700), else a fresh
// folder made with mkdtemp under /tmp for the rest of this run. Empty when none can be had.
QString privateTempFolder();

enum class FolderClaim { Missing, Ours, Refused };

// Whether `path` is a real folder (not a symbolic link) of this user's own that neither group nor
// others may write to. A folder of ours that others may write to is tightened to 0700 first.
FolderClaim claimFolder(const QString& path);
