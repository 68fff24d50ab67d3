#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The looks of the reader: 0 basic, 1 XP, 2 2003, 3 dark. Each is a widget style and a palette;
// the XP, 2003 and dark looks paint the panes in a background colour, the basic look does not.
// The dark look also shows the documents in their dark style.
struct LookDefinition {
    QString styleName;                    // empty: keep the platform's default style
    std::optional<std::uint32_t> paneRgb; // 0xRRGGBB; none when the look has no pane colour
    std::optional<std::uint32_t> windowRgb;
    bool bDark = false;
};

constexpr int kDarkAppLook = 3;

constexpr int kDefaultAppLook = 2;

// "AppLook" as stored (a DWORD, so -1 arrives as 0xFFFFFFFF) with -1 resolved by the desktop:
// the dark look on a dark desktop, else by the theme test.
int resolveAppLook(std::uint32_t stored, bool bThemesActive, bool bDesktopDark = false);

// The look of an index; any index but 0 to 3 gives the default look with no pane colour.
LookDefinition lookDefinition(int nAppLook);

// Whether the desktop runs with a visual theme: a named desktop session on a real display.
bool desktopThemesActive();

// Whether the desktop runs a dark colour scheme: its window colour is dark (lightness 0 to 255
// as the platform's palette gives it) or the GTK theme is a dark variant ("Adwaita:dark").
bool desktopPrefersDark(int windowLightness, const QString& gtkTheme);

// Reads "AppLook" from the maker key (default 2) and resolves -1.
int readAppLook(bool bDesktopDark = false);
