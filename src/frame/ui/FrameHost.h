#pragma once

#include "navigation/ui/NavigationApp.h"
#include "navigation/ui/PageFactories.h"

// What the main window needs of the application: what the navigation pane needs, the chosen look
// and the pages to show in the pane. The application object provides it; tests may too.
class FrameHost : public NavigationApp {
public:
    virtual int appLook() const = 0;
    // Takes a newly chosen look (0 basic, 1 XP, 2 2003) into use.
    virtual void setAppLook(int nAppLook) = 0;
    // Records whether the pane paints in a look colour, and which.
    virtual void setLookColour(bool bOn, const QColor& colour) = 0;
    virtual const PageFactories& pageFactories() const = 0;
};
