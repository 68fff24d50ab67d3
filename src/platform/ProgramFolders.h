#pragma once

#include <QString>
#include <memory>

class WorkingFolderLock;

// The folders the reader works with: the program folder (the current directory at start-up) with
// Data, Index and Html, and the private working folder into which documents are written.
class ProgramFolders {
public:
    // Chooses the program folder (`strFolder` when given, see chooseProgramFolder) and makes it
    // current, then checks Data, Index and Html in this order, showing the message of the first
    // one missing; prepares the working folder and copies the six marker pictures into its
    // images folder.
    bool CheckFolders(bool bShellLaunch, const QString& programPath,
                      const QString& strFolder = QString());

    QString GetProgramFolder() const { return m_strProgramFolder; }
    QString GetDataFolder() const { return m_strDataFolder; }
    QString GetIndexFolder() const { return m_strIndexFolder; }
    QString GetHtmlFolder() const { return m_strHtmlFolder; }
    QString GetNotesPath() const { return m_strDataFolder + QStringLiteral("/Notes.xml"); }
    QString GetFavouritesPath() const {
        return m_strDataFolder + QStringLiteral("/Favourites.xml");
    }

    // Computed anew at every call and created when missing (message 61464 when that fails).
    QString GetWorkingFolder() const;
    QString GetImagesFolder() const;

    // Whether generated files may be written into the working folder: it is a real folder of
    // this user's own. A symbolic link or another user's folder is never written to or emptied.
    bool IsWorkingFolderUsable() const;

    // Empties the working folder at the end of a run unless another reader of this user still
    // shows pages from it.
    void EmptyWorkingFolderAtExit() const;

    // Copies the six marker pictures from Html/img over any older copies in `imagesFolder`.
    void CopyMarkerImages(const QString& imagesFolder) const;

    // Sets the program folder without the checks (for the command-line tool).
    void SetProgramFolder(const QString& folder);

private:
    QString ensureFolder(const QString& path) const;

    QString m_strProgramFolder;
    QString m_strDataFolder;
    QString m_strIndexFolder;
    QString m_strHtmlFolder;
    std::shared_ptr<WorkingFolderLock> m_pLock;
};

// The six marker pictures copied into the images folder at every start.
extern const char* const g_arrMarkerImages[6];
