#include "document/ui/TvHtmlView.h"

#include "document/LinkProtocol.h"
#include "document/ZoomSteps.h"
#include "document/ui/DocumentFind.h"
#include "document/ui/DocumentPrinter.h"
#include "document/ui/TvWebPage.h"
#include "platform/CommandTable.h"
#include "platform/Messages.h"
#include "platform/Registry.h"
#include "platform/ResourceIds.h"

#include <QApplication>
#include <QChildEvent>
#include <QFile>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWheelEvent>
#include <utility>

namespace {
// A renderer that keeps dying is not restarted for ever.
constexpr int kMaxReloads = 3;

QString resourceScript(const QString& name) {
    QFile file(QStringLiteral(":/ui/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const QString kDarkScriptName = QStringLiteral("tavlin-dark-documents");
} // namespace

CTvHtmlView::CTvHtmlView(QWidget* parent) : QWebEngineView(parent) {
    setObjectName(QStringLiteral("htmlView"));
    // A profile of its own, kept in memory, that loads nothing from the network.
    m_pProfile = new QWebEngineProfile(this);
    m_pProfile->setUrlRequestInterceptor(new CLocalContentInterceptor(m_pProfile));
    m_pProfile->installUrlSchemeHandler("tavlin-link", new CLinkSchemeHandler(m_pProfile));
    m_pPage = new CTvWebPage(m_pProfile, this);
    m_pPage->SetBeforeNavigate([this](const QString& url) { return OnBeforeNavigate2(url); });

    QWebEngineSettings* settings = m_pPage->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    // Copying is the page's own editing command, run from the program's copy commands.
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, true);
    m_pFind = new DocumentFind(*this);
    m_pPrinter = new DocumentPrinter(*this);

    QWebEngineScript script;
    script.setName(QStringLiteral("tavlin-link-clicks"));
    script.setSourceCode(resourceScript(QStringLiteral("LinkClicks.js")));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    m_pPage->scripts().insert(script);

    setPage(m_pPage);
    connect(m_pPage, &QWebEnginePage::urlChanged, this, [this](const QUrl& url) {
        UpdateHistoryState();
        if (std::exchange(m_bHistoryMove, false))
            emit historyPageShown(url);
    });
    connect(m_pPage, &QWebEnginePage::loadStarted, this, [this] { UpdateHistoryState(); });
    m_nZoom =
        clampZoom(GetProfileInt(QStringLiteral("Settings"), QStringLiteral("Zoom"), kZoomDefault));
    setZoomFactor(m_nZoom / 100.0);
    connect(m_pPage, &QWebEnginePage::loadFinished, this, [this](bool) {
        // Every page is shown at the chosen zoom, whatever the engine keeps per page.
        setZoomFactor(m_nZoom / 100.0);
        UpdateHistoryState();
        OnNavigateComplete2();
        if (!m_strPendingScript.isEmpty())
            RunInTargetDocument(std::exchange(m_strPendingScript, QString()), {});
    });
    connect(m_pPage, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                OnRenderProcessTerminated(static_cast<int>(status));
            });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

CTvHtmlView::~CTvHtmlView() {
    // The page must go before the profile it was made with.
    setPage(nullptr);
    delete m_pPage;
}

void CTvHtmlView::Navigate2(const QString& path) {
    m_nReloads = 0;
    load(QUrl::fromLocalFile(path));
}

void CTvHtmlView::GoBack() {
    m_bHistoryMove = true;
    back();
}

void CTvHtmlView::GoForward() {
    m_bHistoryMove = true;
    forward();
}

void CTvHtmlView::SetZoom(int percent) {
    const int zoom = clampZoom(percent);
    if (zoom != m_nZoom) {
        m_nZoom = zoom;
        WriteProfileInt(QStringLiteral("Settings"), QStringLiteral("Zoom"), zoom);
    }
    setZoomFactor(zoom / 100.0);
}

void CTvHtmlView::SetDarkDocuments(bool bDark) {
    if (bDark == m_bDarkDocuments)
        return;
    m_bDarkDocuments = bDark;
    QWebEngineScriptCollection& scripts = m_pPage->scripts();
    for (const QWebEngineScript& old : scripts.find(kDarkScriptName))
        scripts.remove(old);
    if (bDark) {
        QWebEngineScript script;
        script.setName(kDarkScriptName);
        script.setSourceCode(resourceScript(QStringLiteral("DarkDocuments.js")));
        script.setInjectionPoint(QWebEngineScript::DocumentReady);
        script.setWorldId(QWebEngineScript::ApplicationWorld);
        script.setRunsOnSubFrames(true);
        scripts.insert(script);
    }
    if (!url().isEmpty())
        reload();
}

void CTvHtmlView::childEvent(QChildEvent* event) {
    // The engine's render widget is a child made when a page is shown; the wheel reaches it.
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    QWebEngineView::childEvent(event);
}

bool CTvHtmlView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if ((wheel->modifiers() & Qt::ControlModifier) && wheel->angleDelta().y() != 0) {
            SetZoom(stepZoom(m_nZoom, wheel->angleDelta().y() > 0 ? 1 : -1));
            return true;
        }
    }
    return QWebEngineView::eventFilter(watched, event);
}

void CTvHtmlView::SetHtmlFolder(const QString& folder) {
    m_strHtmlFolder = folder;
    m_startPage.SetHtmlFolder(folder);
}

void CTvHtmlView::BuildStartPage(const QString& links) {
    m_startPage.BuildStartPage(links);
}

void CTvHtmlView::ShowStartPage() {
    // Until the start page has been built, an empty page rather than the browser's error page.
    const QString startPage = m_strHtmlFolder + QStringLiteral("/Index.html");
    if (QFile::exists(startPage))
        Navigate2(startPage);
    else
        load(QUrl(QStringLiteral("about:blank")));
}

void CTvHtmlView::ShowHelpPage() {
    Navigate2(m_strHtmlFolder + QStringLiteral("/Help.html"));
}

int CTvHtmlView::GetCurrentDocumentId() const {
    return documentIdFromLocation(url().toString());
}

void CTvHtmlView::RunInTargetDocument(const QString& body,
                                      const std::function<void(const QVariant&)>& result) {
    const QString script =
        QStringLiteral("(function (doc) {%1\n})((function () {"
                       "  try { var f = window.frames['frm2'];"
                       "        if (f && f.document) return f.document; } catch (e) {}"
                       "  return document; })())")
            .arg(body);
    m_pPage->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                           [result](const QVariant& value) {
                               if (result)
                                   result(value);
                           });
}

void CTvHtmlView::RunInTargetDocumentWhenLoaded(const QString& body) {
    m_strPendingScript = body;
}

bool CTvHtmlView::OnBeforeNavigate2(const QString& url) {
    const LinkDecision link = decideLink(url);
    if (link.note) {
        emit noteRequested();
        return true;
    }
    if (!link.intercept)
        return false;
    QDateTime validOn;
    if (link.date)
        validOn = QDateTime(*link.date, QTime(0, 0));
    // The assembly may navigate this view; let the browser finish deciding first.
    QTimer::singleShot(0, this, [this, link, validOn] {
        const QDateTime* pValidOn = validOn.isValid() ? &validOn : nullptr;
        if (!m_openDocument || !m_openDocument(link.id, link.anchor, pValidOn))
            ShowMessage(IDS_INVALID_LINK);
    });
    return true;
}

void CTvHtmlView::OnNavigateComplete2() {
    m_pFind->Reset();
}

void CTvHtmlView::UpdateHistoryState() {
    const bool bBack = history()->canGoBack();
    const bool bForward = history()->canGoForward();
    if (bBack == m_bCanGoBack && bForward == m_bCanGoForward)
        return;
    m_bCanGoBack = bBack;
    m_bCanGoForward = bForward;
    emit commandStateChanged(bBack, bForward);
}

void CTvHtmlView::OnRenderProcessTerminated(int status) {
    if (status == QWebEnginePage::NormalTerminationStatus || m_nReloads >= kMaxReloads)
        return;
    ++m_nReloads;
    QTimer::singleShot(0, this, [this] { reload(); });
}
