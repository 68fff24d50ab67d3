#include "app/ui/TavlinApp.h"

#include "app/CommandLineInfo.h"
#include "app/UrlProtocol.h"
#include "app/ui/MessageBoxPresenter.h"
#include "app/ui/ReaderPages.h"
#include "db/CollectionPassword.h"
#include "db/DaoException.h"
#include "db/ReportDaoError.h"
#include "diagnostics/SystemInfo.h"
#include "diagnostics/ui/AboutCommands.h"
#include "frame/Looks.h"
#include "frame/ui/DarkPalette.h"
#include "frame/ui/MainFrame.h"
#include "frame/ui/PictureWnd.h"
#include "platform/ResourceIds.h"
#include "platform/SingleInstance.h"
#include "platform/Strings.h"

#include <QDir>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

CTavlinApp::CTavlinApp(int& argc, char** argv)
    : QApplication(argc, argv), m_pageFactories(readerPageFactories()),
      m_pPresenter(std::make_unique<MessageBoxPresenter>()) {
    setApplicationName(LoadResString(IDS_APP_TITLE));
    setOrganizationName(QStringLiteral("Ardenvolt"));
    setDesktopFileName(QStringLiteral("cz.tavlin.Reader"));
    setMessagePresenter(m_pPresenter.get());
}

CTavlinApp::~CTavlinApp() {
    m_pMainFrame.reset();
    CloseDatabase();
    setMessagePresenter(nullptr);
}

CTavlinApp* tavlinApp() {
    return static_cast<CTavlinApp*>(QCoreApplication::instance());
}

bool CTavlinApp::InitInstance() {
    BuildCrashHeader(QDir::currentPath());
    CTavlinCommandLineInfo cmdInfo;
    cmdInfo.ParseCommandLine(arguments());
    if (cmdInfo.m_bRegister) {
        m_nStartExitCode = RegisterUrlProtocol(applicationFilePath()) ? 0 : 1;
        return false;
    }
    const QString link = cmdInfo.m_bShellLaunch ? cmdInfo.m_strFileName : QString();
    if (!link.isEmpty() && HandOverLink(link))
        return false;
    m_bFoldersChecked = true;
    if (!m_folders.CheckFolders(cmdInfo.m_bShellLaunch, applicationFilePath(), cmdInfo.m_strFolder))
        return false;
    // The platform's own palette tells a dark desktop, before a look replaces it.
    m_nAppLook = readAppLook(desktopPrefersDark(palette().color(QPalette::Window).lightness(),
                                                qEnvironmentVariable("GTK_THEME")));
    ApplyLook();
    if (!OpenDatabase())
        return false;
    // The picture stands while the window is built; a start through a link shows none.
    std::unique_ptr<CsPictureWnd> pPicture;
    if (!cmdInfo.m_bShellLaunch) {
        pPicture = std::make_unique<CsPictureWnd>();
        pPicture->show();
        pPicture->repaint();
        processEvents();
    }
    m_pMainFrame = std::make_unique<CMainFrame>(*this, cmdInfo.m_bShellLaunch);
    RegisterAboutCommands(m_pMainFrame->GetCommandTable(), m_pMainFrame.get(),
                          [this] { return m_folders.GetProgramFolder(); });
    m_pMainFrame->UpdateCommandUI();
    m_pMainFrame->LoadCustomState();
    m_pMainFrame->ShowFavouritesAndStart();
    m_pMainFrame->ApplyLookColours();
    m_pMainFrame->setWindowTitle(LoadResString(IDS_APP_TITLE));
    m_pMainFrame->show();
    pPicture.reset();
    ListenForLinks(link);
    return true;
}

int CTavlinApp::ExitInstance() {
    m_pInstanceServer.reset();
    // A start that only registered the scheme or handed its link over has nothing of its own
    // in the working folder: it makes the folder, as every start does, and empties nothing.
    if (!m_bFoldersChecked) {
        m_folders.GetWorkingFolder();
        return 0;
    }
    m_folders.EmptyWorkingFolderAtExit();
    return 0;
}

bool CTavlinApp::OpenDatabase() {
    m_pDatabase.reset();
    try {
        m_pDatabase = Database::open(m_folders.GetDataFolder() + QStringLiteral("/TavlinDemo.db"),
                                     collectionPassword());
    } catch (const DaoException& e) {
        ReportDaoError(IDS_DATABASE_OPEN_FAILED, e);
        return false;
    }
    return true;
}

void CTavlinApp::CloseDatabase() {
    m_pDatabase.reset();
}

void CTavlinApp::SetStatusText(const QString& text) {
    if (m_pMainFrame)
        m_pMainFrame->SetStatusText(text);
}

void CTavlinApp::setLookColour(bool bOn, const QColor& colour) {
    m_bLookColour = bOn;
    m_crLook = colour;
}

void CTavlinApp::setAppLook(int nAppLook) {
    m_nAppLook = nAppLook;
    ApplyLook();
}

void CTavlinApp::ApplyLook() {
    const LookDefinition look = lookDefinition(m_nAppLook);
    if (look.styleName.isEmpty())
        return;
    if (QStyle* style = QStyleFactory::create(look.styleName))
        setStyle(style);
    QPalette palette = style()->standardPalette();
    if (look.bDark && look.windowRgb) {
        palette = darkPalette(QColor::fromRgb(*look.windowRgb));
    } else if (look.windowRgb) {
        palette.setColor(QPalette::Window, QColor::fromRgb(*look.windowRgb));
        palette.setColor(QPalette::Button, QColor::fromRgb(*look.windowRgb));
    }
    setPalette(palette);
}
