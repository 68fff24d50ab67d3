#include "navigation/ui/NavigationApp.h"

#include "app/ui/TavlinApp.h"

#include <QPalette>
#include <QWidget>

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

void applyLookPalette(QWidget& widget, const NavigationApp& app) {
    if (app.lookColourOn()) {
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Window, app.lookColour());
        widget.setPalette(palette);
        widget.setAutoFillBackground(true);
    } else {
        widget.setPalette(QPalette());
        widget.setAttribute(Qt::WA_SetPalette, false);
        widget.setAutoFillBackground(false);
    }
}
