#include "navigation/ui/NavigationApp.h"

#include "app/ui/TavlinApp.h"

Database* TavlinAppNavigation::database() const {
    return m_app.database();
}

const ProgramFolders& TavlinAppNavigation::folders() const {
    return m_app.folders();
}

void TavlinAppNavigation::SetStatusText(const QString& text) {
    m_app.SetStatusText(text);
}

bool TavlinAppNavigation::lookColourOn() const {
    return m_app.m_bLookColour;
}

QColor TavlinAppNavigation::lookColour() const {
    return m_app.m_crLook;
}
