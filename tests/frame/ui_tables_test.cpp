#include "frame/UiTables.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
std::vector<int> itemIds(const MenuEntry& popup) {
    std::vector<int> ids;
    for (const MenuEntry& entry : popup.children)
        ids.push_back(entry.kind == MenuEntry::Kind::Separator ? 0 : entry.id);
    return ids;
}
} // namespace

TEST(UiTables, MenuTableKeepsOrderTextsAndSkipsDamagedLines) {
    const QString text = QStringLiteral("# comment\n"
                                        "item\t1\tbefore any menu\n"
                                        "menu\t7\n"
                                        "popup\t&File\n"
                                        "item\t100\t&Print\\tCtrl+P\n"
                                        "separator\n"
                                        "item\tx\tno id\n"
                                        "item\t101\tTrailing blank \r\n"
                                        "end\n"
                                        "separator\n"
                                        "popup\tSecond\n"
                                        "bogus\t5\n"
                                        "item\t200\tOne\n"
                                        "end\n"
                                        "menu\t8\n");
    const std::vector<MenuTemplate> menus = parseMenuTable(text);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(findMenu(menus, 8), &menus[1]);
    EXPECT_EQ(findMenu(menus, 9), nullptr);
    const MenuTemplate& menu = *findMenu(menus, 7);
    ASSERT_EQ(menu.popups.size(), 2u);
    EXPECT_EQ(menu.popups[0].text, QStringLiteral("&File"));
    EXPECT_EQ(itemIds(menu.popups[0]), (std::vector<int>{100, 0, 101}));
    EXPECT_EQ(menu.popups[0].children[0].text, QStringLiteral("&Print\tCtrl+P"));
    EXPECT_EQ(menu.popups[0].children[2].text, QStringLiteral("Trailing blank "));
    EXPECT_EQ(itemIds(menu.popups[1]), (std::vector<int>{200}));
}

TEST(UiTables, ToolbarAndAcceleratorTables) {
    const std::vector<ToolbarTemplate> toolbars = parseToolbarTable(
        QStringLiteral("toolbar\t5\nbutton\t10\tback\nseparator\nlabel\t11\ncombo\t12\t167\n"
                       "button\t0\tbroken\nwidget\t13\ntoolbar\t6\n"));
    ASSERT_EQ(toolbars.size(), 2u);
    const std::vector<ToolbarEntry>& entries = findToolbar(toolbars, 5)->entries;
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].kind, ToolbarEntry::Kind::Button);
    EXPECT_EQ(entries[0].icon, QStringLiteral("back"));
    EXPECT_EQ(entries[1].kind, ToolbarEntry::Kind::Separator);
    EXPECT_EQ(entries[2].kind, ToolbarEntry::Kind::Label);
    EXPECT_EQ(entries[3].kind, ToolbarEntry::Kind::Combo);
    EXPECT_EQ(entries[3].width, 167);

    const std::vector<AcceleratorEntry> keys =
        parseAcceleratorTable(QStringLiteral("Alt+Left\t32784\nF3\tnone\n\nShift+F6\t57681\n"));
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].keys, QStringLiteral("Alt+Left"));
    EXPECT_EQ(keys[1].command, 57681);
}

TEST(UiTables, ASavedBarGetsTheCommandsAddedSinceButNotThoseTheUserRemoved) {
    const auto ids = [](const ToolbarTemplate& bar) {
        std::vector<int> result;
        for (const ToolbarEntry& entry : bar.entries)
            result.push_back(entry.kind == ToolbarEntry::Kind::Separator ? 0 : entry.id);
        return result;
    };
    const ToolbarTemplate current = parseToolbarTable(
        QStringLiteral("toolbar\t142\nlabel\t1\ncombo\t2\t167\nbutton\t3\tfind\nseparator\n"
                       "label\t4\ncombo\t5\t110\n"))[0];
    // Saved before 4 and 5 existed, without the find button and with the box moved first.
    const ToolbarTemplate old = parseToolbarTable(
        QStringLiteral("toolbar\t142\noffered\t1\t2\t3\ncombo\t2\t200\nlabel\t1\n"))[0];
    const ToolbarTemplate merged = withNewCommands(old, current);
    EXPECT_EQ(ids(merged), (std::vector<int>{2, 1, 0, 4, 5}));
    EXPECT_EQ(merged.entries[0].width, 200);
    // Saved again, it offers all five: taking 4 and 5 off then stays.
    ToolbarTemplate trimmed = merged;
    trimmed.entries.resize(2);
    trimmed.offered = {1, 2, 3, 4, 5};
    const ToolbarTemplate read = parseToolbarTable(writeToolbarTable({trimmed}))[0];
    EXPECT_EQ(read.offered, trimmed.offered);
    EXPECT_EQ(ids(withNewCommands(read, current)), (std::vector<int>{2, 1}));
    // A layout saved before bars recorded what they offered lacks every command it does not hold.
    ToolbarTemplate unmarked = old;
    unmarked.offered.clear();
    EXPECT_EQ(ids(withNewCommands(unmarked, current)), (std::vector<int>{2, 1, 3, 0, 4, 5}));
    // A new first command goes first, with no separator before it.
    const ToolbarTemplate front =
        parseToolbarTable(QStringLiteral("toolbar\t7\nbutton\t9\tx\nseparator\nbutton\t8\ty\n"))[0];
    const ToolbarTemplate onlyEight =
        parseToolbarTable(QStringLiteral("toolbar\t7\noffered\t8\nbutton\t8\ty\n"))[0];
    EXPECT_EQ(ids(withNewCommands(onlyEight, front)), (std::vector<int>{9, 8}));
}

TEST(UiTables, ShippedTablesHoldTheWindowsCommands) {
    const std::vector<MenuTemplate> menus = parseMenuTable(sourceFileText("res/ui/menus.txt"));
    const MenuTemplate* bar = findMenu(menus, 128);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->popups.size(), 4u);
    EXPECT_EQ(bar->popups[2].text, QStringLiteral("&Oblíbené"));
    EXPECT_EQ(itemIds(bar->popups[2]),
              (std::vector<int>{32796, 32797, 0, 32798, 32799, 32800, 32801, 0, 32802, 32803, 32804,
                                0, 32805, 32806, 32807, 32808, 32829, 0}));
    EXPECT_EQ(bar->popups[2].children[15].text,
              QStringLiteral("Zákon o pojistném na sociální zabezpečení "));
    // Every command of the menu bar has its prompt in the string table.
    for (const MenuEntry& popup : bar->popups) {
        for (const MenuEntry& item : popup.children) {
            if (item.kind == MenuEntry::Kind::Item) {
                EXPECT_FALSE(LoadResString(static_cast<unsigned>(item.id)).isEmpty()) << item.id;
            }
        }
    }
    ASSERT_NE(findMenu(menus, 138), nullptr);

    const std::vector<ToolbarTemplate> toolbars =
        parseToolbarTable(sourceFileText("res/ui/toolbars.txt"));
    ASSERT_NE(findToolbar(toolbars, 128), nullptr);
    ASSERT_NE(findToolbar(toolbars, 142), nullptr);
    EXPECT_EQ(findToolbar(toolbars, 128)->entries.size(), 11u);
    // The window's ten keys, then Ctrl+plus (also as Ctrl+=), Ctrl+minus and Ctrl+0 of the zoom.
    const std::vector<AcceleratorEntry> keys =
        parseAcceleratorTable(sourceFileText("res/ui/accelerators.txt"));
    ASSERT_EQ(keys.size(), 14u);
    EXPECT_EQ(keys[9].command, 32785);
    EXPECT_EQ(keys[10].command, ID_ZOOM_IN);
    EXPECT_EQ(keys[13].command, ID_ZOOM_RESET);
}
