#pragma once

#include <QColor>
#include <QString>

class CTavlinApp;
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

// The reader's own application object seen as the navigation pane needs it.
class TavlinAppNavigation : public NavigationApp {
public:
    explicit TavlinAppNavigation(CTavlinApp& app) : m_app(app) {}
    Database* database() const override;
    const ProgramFolders& folders() const override;
    void SetStatusText(const QString& text) override;
    bool lookColourOn() const override;
    QColor lookColour() const override;

private:
    CTavlinApp& m_app;
};

// Paints `widget` in the look colour when the look has one, else in the default palette.
void applyLookPalette(QWidget& widget, const NavigationApp& app);
