#include "frame/ui/MainFrame.h"

#include "document/ui/DocumentFind.h"
#include "document/ui/DocumentPrinter.h"
#include "document/ui/TvHtmlView.h"
#include "frame/Looks.h"
#include "frame/StatusText.h"
#include "frame/ui/CommandBars.h"
#include "frame/ui/FavouritesMenu.h"
#include "frame/ui/FrameHost.h"
#include "frame/ui/LockKeys.h"
#include "frame/ui/NoteCommand.h"
#include "frame/ui/ReadingDay.h"
#include "frame/ui/SearchBox.h"
#include "frame/ui/SplitterWnd.h"
#include "frame/ui/ToolbarManager.h"
#include "frame/ui/ValidOnField.h"
#include "frame/ui/WindowPlacement.h"
#include "navigation/ui/SlicedFetch.h"
#include "navigation/ui/TvFormView.h"
#include "platform/ProgramFolders.h"
#include "platform/Registry.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "search/HighlightScript.h"
#include "search/ui/CsHledatPage.h"
#include "search/ui/SearchedWordCommands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWebEnginePage>

namespace {
// X11 modifier masks of the caps and num locks, as key events carry them.
constexpr quint32 kLockMask = 0x2;
constexpr quint32 kNumLockMask = 0x10;
// The tab of the search page.
constexpr int kSearchTab = IDD_HLEDAT - IDD_OBSAH;
// The lists go on filling by then even if the first page has not finished loading.
constexpr int kListHoldMs = 2000;
} // namespace

CMainFrame::CMainFrame(FrameHost& app, bool /*bShellLaunch*/) : m_app(app) {
    setObjectName(QStringLiteral("mainFrame"));
    m_pCommands = new CCommandActions(this);
    connect(m_pCommands, &CCommandActions::triggered, this, &CMainFrame::OnCommand);
    connect(m_pCommands, &CCommandActions::hovered, this,
            [this](int id) { OnSetMessageString(static_cast<unsigned>(id)); });
    // The pane's lists show their first rows at once and read the rest once the first page is
    // shown: until then the event loop is the page's.
    SlicedFetch::holdLaterParts();
    OnCreateClient();
    releaseListsAfterFirstPage();
    OnCreate();
    RegisterFrameCommands();
    m_pHtmlView->RegisterCommands(m_commandTable);
    m_pNavView->RegisterCommands(m_commandTable);
    registerSearchedWordCommands(m_commandTable, *m_pNavView, *m_pHtmlView);
    m_pToolbars->RegisterCommands(m_commandTable);
    m_pReadingDay->RegisterCommands(m_commandTable);
    restoreWindowPlacement(*this);
    // A stored width beyond this window would leave no room for the document.
    m_pNavView->m_nPaneWidth =
        fitPaneWidth(m_pNavView->m_nPaneWidth, width(), m_pHtmlView->minimumWidth());
    m_wndSplitter->setSizes({m_pNavView->m_nPaneWidth, width() - m_pNavView->m_nPaneWidth});
    m_pFavourites = new FavouritesMenu(*this, m_app);
    m_pFavourites->RegisterCommands(m_commandTable);
    m_pNoteCommand = new NoteCommand(*m_pHtmlView, *m_pNavView, m_app.folders(), this);
    m_pNoteCommand->RegisterCommands(m_commandTable);
    UpdateCommandUI();
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
    SlicedFetch::releaseLaterParts();
}

void CMainFrame::OnCreateClient() {
    m_wndSplitter = new CsSplitterWnd(this);
    m_pNavView = new CTvFormView(m_app, m_app.pageFactories(), m_wndSplitter);
    m_pHtmlView = new CTvHtmlView(m_wndSplitter);
    m_pHtmlView->SetHtmlFolder(m_app.folders().GetHtmlFolder());
    m_pHtmlView->setMinimumSize(100, 200);
    // Cross-link the panes: assembled documents go to the document view, its links come back to
    // the navigation view's document operations.
    m_pNavView->setDocumentTarget([this](const QString& path) { m_pHtmlView->Navigate2(path); },
                                  [this] { m_pHtmlView->reload(); },
                                  [this] { m_pHtmlView->OnPrintDocument(); });
    m_pHtmlView->GetPrinter().SetPrintVersionSource([this] { m_pNavView->ShowPrintVersion(); });
    m_pHtmlView->SetDocumentOpener([this](int id, const QString& anchor, const QDateTime* validOn) {
        return m_pNavView->OpenDocument(id, anchor, validOn);
    });
    connect(m_pHtmlView, &CTvHtmlView::commandStateChanged, this, &CMainFrame::UpdateCommandUI);
    m_pReadingDay = new ReadingDay(*m_pHtmlView, *m_pNavView, this);
    connect(&m_pHtmlView->GetFind(), &DocumentFind::occurrenceShown, this,
            [this](int n, int total) {
                SetStatusText(LoadResString(IDS_FIND_COUNT)
                                  .replace(QStringLiteral("%1"), QString::number(n))
                                  .replace(QStringLiteral("%2"), QString::number(total)));
            });
    // A hit opened from the search page shows the searched words marked, scrolled to the first.
    if (auto* searchPage = dynamic_cast<CsHledatPage*>(m_pNavView->GetPage(kSearchTab)))
        connect(searchPage, &CsHledatPage::hitOpened, this, [this](const QStringList& words) {
            m_pHtmlView->RunInTargetDocumentWhenLoaded(
                QStringLiteral("return (function (document) { return %1; })(doc);")
                    .arg(highlightScript(words)));
        });
    m_wndSplitter->addWidget(m_pNavView);
    m_wndSplitter->addWidget(m_pHtmlView);
    m_wndSplitter->setStretchFactor(0, 0);
    m_wndSplitter->setStretchFactor(1, 1);
    setCentralWidget(m_wndSplitter);
    m_pHtmlView->setFocus();
}

void CMainFrame::OnCreate() {
    m_menus = parseMenuTable(readUiTable(QStringLiteral("menus.txt")));
    if (const MenuTemplate* menu = findMenu(m_menus, IDR_MAINFRAME))
        fillMenuBar(menuBar(), *menu, *m_pCommands);
    for (QMenu* popup : menuBar()->findChildren<QMenu*>()) {
        connect(popup, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        connect(popup, &QMenu::aboutToHide, this, [this] { OnSetMessageString(0); });
    }

    m_pToolbars = new ToolbarManager(
        *this, *m_pCommands, parseToolbarTable(readUiTable(QStringLiteral("toolbars.txt"))),
        [this](const ToolbarEntry& entry) { return MakeToolbarWidget(entry); },
        m_app.folders().GetProgramFolder());
    m_pToolbars->SetAvailableCommands(menuCommands(m_menus, IDR_MAINFRAME));
    m_wndToolBar = new QToolBar(LoadResString(IDS_TOOLBAR_STANDARD), this);
    m_wndSearchBar = new QToolBar(LoadResString(IDS_TOOLBAR_HLEDAT), this);
    for (QToolBar* bar : {m_wndToolBar, m_wndSearchBar})
        bar->setIconSize(QSize(16, 15));
    m_pToolbars->AddResourceBar(m_wndToolBar, IDR_MAINFRAME);
    m_pToolbars->AddResourceBar(m_wndSearchBar, IDR_HLEDAT_BAR);
    // Both bars in one row below the menu bar, "Hledat" to the left of the standard toolbar.
    addToolBar(Qt::TopToolBarArea, m_wndSearchBar);
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);

    m_pMessagePane = new QLabel(GetIdleMessage(), this);
    m_pMessagePane->setObjectName(QStringLiteral("messagePane"));
    statusBar()->addWidget(m_pMessagePane, 1);
    for (int i = 0; i < 3; ++i) {
        const QString text = LoadResString(IDS_INDICATOR_CAPS + static_cast<unsigned>(i));
        m_pIndicators[i] = new QLabel(this);
        m_pIndicators[i]->setObjectName(QStringLiteral("indicator%1").arg(IDS_INDICATOR_CAPS + i));
        m_pIndicators[i]->setMinimumWidth(fontMetrics().horizontalAdvance(text) + 8);
        m_pIndicators[i]->setAlignment(Qt::AlignCenter);
        statusBar()->addPermanentWidget(m_pIndicators[i]);
    }
    AddAccelerators();
    // CAP and NUM as they stand at start, not only after the first key.
    if (const std::optional<quint32> locked = lockedModifiers())
        UpdateIndicators({}, *locked);
}

QWidget* CMainFrame::MakeToolbarWidget(const ToolbarEntry& entry) {
    if (entry.kind == ToolbarEntry::Kind::Label)
        return new CToolbarLabel(
            entry.id,
            LoadResString(entry.id == ID_VALID_ON_LABEL ? IDS_VALID_ON_LABEL : IDS_FIND_LABEL),
            this);
    if (entry.id == ID_VALID_ON)
        return m_pReadingDay->makeField(entry.width);
    auto* combo = new CSearchComboButton(this, entry.width);
    // Enter in the box runs the find, as the "Najít v textu" button does.
    connect(combo, &CSearchComboButton::findRequested, this,
            [this] { OnCommand(ID_FIND_IN_TEXT); });
    return combo;
}

void CMainFrame::SetStatusText(const QString& text) {
    m_pMessagePane->setText(text);
    m_pMessagePane->repaint();
}

void CMainFrame::OnSetMessageString(unsigned nId) {
    SetStatusText(chooseStatusText(nId, GetIdleMessage()));
}

QString CMainFrame::GetIdleMessage() const {
    return m_pNavView ? m_pNavView->GetCurrentCounterText() : LoadResString(IDS_IDLE_MESSAGE);
}

void CMainFrame::ShowFavouritesAndStart() {
    m_pFavourites->RebuildFavourites();
    m_pHtmlView->ShowStartPage();
}

void CMainFrame::releaseListsAfterFirstPage() {
    auto* release = new QObject(this);
    const auto releaseLists = [release] {
        SlicedFetch::releaseLaterParts();
        release->deleteLater();
    };
    connect(m_pHtmlView->page(), &QWebEnginePage::loadFinished, release, releaseLists);
    QTimer::singleShot(kListHoldMs, release, releaseLists);
}

void CMainFrame::ApplyLookColours() {
    const LookDefinition look = lookDefinition(m_app.appLook());
    const QColor colour = look.paneRgb ? QColor::fromRgb(*look.paneRgb) : QColor();
    m_app.setLookColour(look.paneRgb.has_value(), colour);
    m_wndSplitter->SetLookColour(colour);
    m_pNavView->ApplyLookColour();
    m_pHtmlView->SetDarkDocuments(look.bDark);
}

bool CMainFrame::event(QEvent* event) {
    // Status tips arrive as texts (a widget's tip, an item left): the idle text stands for them,
    // unless the pointer still rests on a command, whose prompt stays.
    if (event->type() == QEvent::StatusTip) {
        OnSetMessageString(static_cast<unsigned>(CommandUnderPointer()));
        return true;
    }
    return QMainWindow::event(event);
}

int CMainFrame::CommandUnderPointer() const {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        return menu->activeAction() ? menu->activeAction()->data().toInt() : 0;
    if (auto* button = qobject_cast<QToolButton*>(QApplication::widgetAt(QCursor::pos())))
        if (button->window() == this && button->defaultAction())
            return button->defaultAction()->data().toInt();
    return 0;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        UpdateIndicators(key->modifiers(), key->nativeModifiers());
        if (key->key() == Qt::Key_Back || key->key() == Qt::Key_Forward) {
            OnCommand(key->key() == Qt::Key_Back ? ID_GO_BACK : ID_GO_FORWARD);
            return true;
        }
        return RedirectTyping(watched, event);
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // The browser would act on these buttons too; the frame alone moves the history.
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button != Qt::BackButton && button != Qt::ForwardButton)
            break;
        if (event->type() == QEvent::MouseButtonPress)
            OnCommand(button == Qt::BackButton ? ID_GO_BACK : ID_GO_FORWARD);
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::RedirectTyping(QObject* watched, QEvent* event) {
    auto* widget = static_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    QComboBox* combo = GetSearchCombo();
    if (!combo || !m_pHtmlView->isAncestorOf(widget) || key->text().isEmpty() ||
        !key->text().at(0).isPrint() || (key->modifiers() & Qt::ControlModifier) ||
        key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return false;
    // A character typed into the document goes to the find box and replaces its text.
    QLineEdit* edit = combo->lineEdit();
    edit->selectAll();
    edit->setFocus();
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                   static_cast<ushort>(key->count()));
    QCoreApplication::sendEvent(edit, &copy);
    return true;
}

void CMainFrame::UpdateIndicators(Qt::KeyboardModifiers, quint32 nativeModifiers) {
    const bool states[3] = {(nativeModifiers & kLockMask) != 0,
                            (nativeModifiers & kNumLockMask) != 0, false};
    for (int i = 0; i < 3; ++i)
        m_pIndicators[i]->setText(
            states[i] ? LoadResString(IDS_INDICATOR_CAPS + static_cast<unsigned>(i)) : QString());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    m_pNavView->m_nPaneWidth = m_pNavView->width();
    WriteProfileInt(QStringLiteral("Settings"), QStringLiteral("Width"), m_pNavView->m_nPaneWidth);
    saveWindowPlacement(*this);
    m_pToolbars->SaveCustomState();
    QMainWindow::closeEvent(event);
}
