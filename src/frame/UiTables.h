#pragma once

#include <QList>
#include <QString>
#include <vector>

// The window's menus, toolbars and accelerators as data tables (res/ui/*.txt). Every line is
// tab-separated fields; "#" starts a comment line; a "\t" inside a text stands for a tab (the
// separator between a menu text and its shortcut text).

struct MenuEntry {
    enum class Kind { Item, Separator, Popup };
    Kind kind = Kind::Item;
    int id = 0; // command id of an item
    QString text;
    std::vector<MenuEntry> children; // items of a popup
};

struct MenuTemplate {
    int id = 0;
    std::vector<MenuEntry> popups;
};

struct ToolbarEntry {
    enum class Kind { Button, Separator, Label, Combo };
    Kind kind = Kind::Button;
    int id = 0;
    QString icon;  // picture name of a button
    int width = 0; // width of a combo box in pixels
};

struct ToolbarTemplate {
    int id = 0;
    QString title; // the bar's title, when the table gives one
    std::vector<ToolbarEntry> entries;
    // In a saved layout: the commands the program's own bar had when it was saved ("offered").
    std::vector<int> offered;
};

struct AcceleratorEntry {
    QString keys; // in the portable key-sequence notation, e.g. "Alt+Left"
    int command = 0;
};

// Each parser skips lines it cannot read; an unknown keyword or a missing id is not fatal, so a
// damaged table leaves the window with fewer commands rather than none.
std::vector<MenuTemplate> parseMenuTable(const QString& text);
std::vector<ToolbarTemplate> parseToolbarTable(const QString& text);
std::vector<AcceleratorEntry> parseAcceleratorTable(const QString& text);

// The toolbar table of `toolbars`, as parseToolbarTable reads it back; tabs and line breaks in
// titles become blanks.
QString writeToolbarTable(const std::vector<ToolbarTemplate>& toolbars);

// A saved program bar with the commands the program's bar has gained since it was saved (those
// not in its `offered` list; all it lacks when it has none), each placed after the command before
// it in `current`, with the separator `current` has there. Commands the user took off stay off.
ToolbarTemplate withNewCommands(const ToolbarTemplate& saved, const ToolbarTemplate& current);

// The command ids of the items of menu `id`, in menu order, each once.
QList<int> menuCommands(const std::vector<MenuTemplate>& menus, int id);

// The template with this id, null when the table has none.
const MenuTemplate* findMenu(const std::vector<MenuTemplate>& menus, int id);
const ToolbarTemplate* findToolbar(const std::vector<ToolbarTemplate>& toolbars, int id);
