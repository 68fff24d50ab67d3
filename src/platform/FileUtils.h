#pragma once

#include <QString>

// Whether a file or folder of that name exists.
bool PathExists(const QString& path);
// Makes the file writable for its owner when it is read-only.
void ClearReadOnly(const QString& path);
// Deletes everything inside `folder` (read-only files too, subfolders recursively), keeping the
// folder itself. Symbolic links are removed, never followed, `folder` itself included: a link
// there is not emptied. False when the folder does not exist or is a link.
bool DeleteFolderContents(const QString& folder);
// Copies `source` over `target` (a read-only target too); false when that fails. The copy is not
// synced to disk: it serves the temporary working folder, and is written like writeFileNoFollow.
bool CopyFileReplacing(const QString& source, const QString& target);
// Writes `bytes` as the whole file `path` (mode 0600 when new) without following a symbolic
// link at `path` and without writing into a file that has other names or another owner: what
// somebody may have planted there is refused, not written through. False when not written.
bool writeFileNoFollow(const QString& path, const QByteArray& bytes);
// Copies the folder `source` with everything in it into a fresh `target`, replacing what was
// there (an interrupted earlier copy). Links are copied as files. False when a copy fails.
bool copyFolder(const QString& source, const QString& target);
