#pragma once

#include <QString>

// Whether a file or folder of that name exists.
bool PathExists(const QString& path);
// Makes the file writable for its owner when it is read-only.
void ClearReadOnly(const QString& path);
// Deletes everything inside `folder` (read-only files too, subfolders recursively), keeping the
// folder itself. Symbolic links are removed, never followed. False when the folder does not exist.
bool DeleteFolderContents(const QString& folder);
// Copies `source` over `target` (a read-only target too); false when that fails. The copy is not
// synced to disk: it serves the temporary working folder.
bool CopyFileReplacing(const QString& source, const QString& target);
