#include "navigation/ui/NavigationApp.h"

#include <QPalette>
#include <QWidget>

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
