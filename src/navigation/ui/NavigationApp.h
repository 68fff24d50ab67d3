#pragma once

#include <QColor>
#include <QString>

class QWidget;
class Database;
class ProgramFolders;

// What the navigation pane needs of the application: the open collection, the program folders,
// the status bar and the look colour. Tests supply their own.
class NavigationApp {
public:
    virtual ~NavigationApp() = default;
    virtual Database* database() const = 0;
    virtual const ProgramFolders& folders() const = 0;
    virtual void SetStatusText(const QString& text) = 0;
    // Whether the pages paint in the look colour, and that colour.
    virtual bool lookColourOn() const = 0;
    virtual QColor lookColour() const = 0;
};

// Paints `widget` in the look colour when the look has one, else in the default palette.
void applyLookPalette(QWidget& widget, const NavigationApp& app);
