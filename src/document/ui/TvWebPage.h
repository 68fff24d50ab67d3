#pragma once

#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <functional>

// Blocks every request that does not stay on this computer: the document view shows local
// files only.
class CLocalContentInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
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
