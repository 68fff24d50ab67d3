#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The three looks of the reader: 0 basic, 1 XP, 2 2003. Each is a widget style and a palette;
// the XP and 2003 looks paint the panes in a background colour, the basic look does not.
struct LookDefinition {
    QString styleName;                    // empty: keep the platform's default style
    std::optional<std::uint32_t> paneRgb; // 0xRRGGBB; none when the look has no pane colour
    std::optional<std::uint32_t> windowRgb;
};

constexpr int kDefaultAppLook = 2;

// "AppLook" as stored (a DWORD, so -1 arrives as 0xFFFFFFFF) with -1 resolved by the theme test.
int resolveAppLook(std::uint32_t stored, bool bThemesActive);

// The look of an index; any index but 0, 1 and 2 gives the default look with no pane colour.
LookDefinition lookDefinition(int nAppLook);

// Whether the desktop runs with a visual theme: a named desktop session on a real display.
bool desktopThemesActive();

// Reads "AppLook" from the maker key (default 2) and resolves -1.
int readAppLook();
