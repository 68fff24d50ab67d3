#pragma once

#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlSchemeHandler>
#include <functional>

// Blocks every request that does not stay on this computer: the document view shows local
// files only.
class CLocalContentInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

// The handler of "tavlin-link:" URLs. Their navigations are always cancelled before anything is
// requested; the handler makes the scheme a known one, so that the browser offers them to the
// page instead of treating them as foreign protocols.
class CLinkSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override;
};

// The page of the document view: every navigation request, in any frame, is first offered to
// the view's link protocol; the program's own "javascript:" links arrive as "tavlin-link:" URLs.
class CTvWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    // Given the requested URL as the browser spells it; true cancels the navigation.
    using BeforeNavigate = std::function<bool(const QString& url)>;

    CTvWebPage(QWebEngineProfile* profile, QObject* parent);
    void SetBeforeNavigate(BeforeNavigate handler) { m_beforeNavigate = std::move(handler); }

    // The link a "tavlin-link:" URL carries; the URL itself for any other.
    static QString RequestedLink(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    BeforeNavigate m_beforeNavigate;
};
