#include "app/ui/WebSchemes.h"

#include <QWebEngineUrlScheme>

void registerWebSchemes() {
    // Clicks on the documents' javascript: links arrive as navigations to this scheme.
    QWebEngineUrlScheme scheme("tavlin-link");
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}
