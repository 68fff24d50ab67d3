#pragma once

#include "db/Database.h"
#include "frame/ui/FrameHost.h"
#include "platform/ProgramFolders.h"

#include <QApplication>
#include <QColor>
#include <memory>

class CMainFrame;
class InstanceServer;
class MessageBoxPresenter;

// The reader's application object: start-up in its fixed order, the open collection, the
// program folders and the look colour; at exit the working folder is emptied.
class CTavlinApp : public QApplication, public FrameHost {
    Q_OBJECT
public:
    CTavlinApp(int& argc, char** argv);
    ~CTavlinApp() override;

    // Runs the start-up; false when it ended early (a message has been shown, or the start
    // only registered the link scheme or handed its link to the running reader).
    bool InitInstance();
    int ExitInstance();
    // The exit code of a start that ended early: 0 when it did what it was started for.
    int StartExitCode() const { return m_nStartExitCode; }

    // A link handed over by the shell: "tavlin:" and a designation opens that document.
    void OpenDocumentFile(const QString& name);

    bool OpenDatabase();
    void CloseDatabase();

    const ProgramFolders& folders() const override { return m_folders; }
    // Takes a folder as the program folder without the start-up checks (tests, tools).
    void SetProgramFolder(const QString& folder) { m_folders.SetProgramFolder(folder); }
    Database* database() const override { return m_pDatabase.get(); }
    CMainFrame* mainFrame() const { return m_pMainFrame.get(); }
    void SetStatusText(const QString& text) override;
    bool lookColourOn() const override { return m_bLookColour; }
    QColor lookColour() const override { return m_crLook; }
    int appLook() const override { return m_nAppLook; }
    void setAppLook(int nAppLook) override;
    void setLookColour(bool bOn, const QColor& colour) override;
    const PageFactories& pageFactories() const override { return m_pageFactories; }

    int m_nAppLook = 2;
    bool m_bLookColour = false;
    QColor m_crLook;

private:
    void ApplyLook();
    // Hands the link of a start by the shell to this user's running reader; true when this
    // start is to end (handed over, or refused as no link).
    bool HandOverLink(const QString& link);
    // Serves links of later starts from now on; the own link, if any, as the first of them.
    void ListenForLinks(const QString& ownLink);

    std::unique_ptr<Database> m_pDatabase;
    PageFactories m_pageFactories;
    ProgramFolders m_folders;
    std::unique_ptr<MessageBoxPresenter> m_pPresenter;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::unique_ptr<InstanceServer> m_pInstanceServer;
    int m_nStartExitCode = 1;
    // The working folder is emptied at exit only by a start that prepared it: one that handed
    // its link over must leave the running reader's documents alone.
    bool m_bFoldersChecked = false;
};

// The running application object (there is exactly one).
CTavlinApp* tavlinApp();
