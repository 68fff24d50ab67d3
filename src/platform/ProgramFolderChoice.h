#pragma once

#include <QString>

// Where the reader finds its program folder when it is not started inside one.
struct ProgramFolderChoice {
    QString strExplicitFolder; // --folder DIR, empty when not given
    QString strCurrentFolder;
    QString strProgramFileFolder; // the folder of the program file
    bool bShellLaunch = false;
    // The read-only demo program folder of an installation (<prefix>/share/tavlin/demo), empty
    // when the program is not installed.
    QString strInstalledDemo;
    // The user's own program folder, made from the installed demo on the first start.
    QString strUserFolder;
};

// Whether `folder` holds Data, Index and Html.
bool isProgramFolder(const QString& folder);

// The folder to use: the explicit one; after a shell launch the program file's folder when it is
// a program folder; the current folder when it is one (but never the installed demo itself,
// whose Data is not the user's to write); else the user's own folder when an installation can
// provide it; else the current folder, whose checks then say what is missing.
QString chooseProgramFolder(const ProgramFolderChoice& choice);

// Makes the user's program folder on the first start: copies of the installed demo's Html and
// Index, and a Data folder for the user's notes and favourites with a link to the installed
// collection. A folder that already is a program folder is left as it is. False when it could
// not be made (nothing half-made is left to pass for a program folder).
bool prepareUserProgramFolder(const QString& userFolder, const QString& installedDemo);

// The installed demo program folder beside a program file in <prefix>/bin, empty when none.
QString installedDemoFolder(const QString& programFileFolder);
// $XDG_DATA_HOME/tavlin (~/.local/share/tavlin by default).
QString userProgramFolder();
