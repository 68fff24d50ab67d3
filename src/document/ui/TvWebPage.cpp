#include "document/ui/TvWebPage.h"

#include "document/LocalContent.h"

#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestJob>

namespace {
const QString kLinkScheme = QStringLiteral("tavlin-link");
}

void CLocalContentInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!isLocalContentScheme(info.requestUrl().scheme()))
        info.block(true);
}

void CLinkSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    job->fail(QWebEngineUrlRequestJob::RequestDenied);
}

CTvWebPage::CTvWebPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {}

QString CTvWebPage::RequestedLink(const QUrl& url) {
    if (url.scheme() != kLinkScheme)
        return url.toString();
    const QString encoded = url.toString(QUrl::FullyEncoded).mid(kLinkScheme.size() + 1);
    return QUrl::fromPercentEncoding(encoded.toUtf8());
}

bool CTvWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (m_beforeNavigate && m_beforeNavigate(RequestedLink(url)))
        return false;
    // A javascript: link the program does not handle has nothing to load.
    if (url.scheme() == kLinkScheme)
        return false;
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}
