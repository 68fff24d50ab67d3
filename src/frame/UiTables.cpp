#include "frame/UiTables.h"

#include <QStringList>
#include <algorithm>

namespace {
QStringList tableLines(const QString& text) {
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        lines.append(line);
    }
    return lines;
}

QString unescapeTabs(QString text) {
    return text.replace(QStringLiteral("\\t"), QStringLiteral("\t"));
}

int fieldInt(const QStringList& fields, int index) {
    if (index >= fields.size())
        return 0;
    bool ok = false;
    const int value = fields.at(index).trimmed().toInt(&ok);
    return ok ? value : 0;
}
} // namespace

std::vector<MenuTemplate> parseMenuTable(const QString& text) {
    std::vector<MenuTemplate> menus;
    MenuEntry* popup = nullptr;
    for (const QString& line : tableLines(text)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        const QString keyword = fields.at(0).trimmed();
        if (keyword == QLatin1String("menu")) {
            const int id = fieldInt(fields, 1);
            popup = nullptr;
            if (id > 0)
                menus.push_back(MenuTemplate{id, {}});
            continue;
        }
        if (menus.empty())
            continue;
        MenuTemplate& menu = menus.back();
        if (keyword == QLatin1String("popup") && fields.size() > 1) {
            MenuEntry entry;
            entry.kind = MenuEntry::Kind::Popup;
            entry.text = unescapeTabs(fields.at(1));
            menu.popups.push_back(entry);
            popup = &menu.popups.back();
        } else if (keyword == QLatin1String("end")) {
            popup = nullptr;
        } else if (popup && keyword == QLatin1String("separator")) {
            MenuEntry entry;
            entry.kind = MenuEntry::Kind::Separator;
            popup->children.push_back(entry);
        } else if (popup && keyword == QLatin1String("item") && fields.size() > 2) {
            const int id = fieldInt(fields, 1);
            if (id <= 0)
                continue;
            MenuEntry entry;
            entry.id = id;
            entry.text = unescapeTabs(fields.at(2));
            popup->children.push_back(entry);
        }
    }
    return menus;
}

std::vector<ToolbarTemplate> parseToolbarTable(const QString& text) {
    std::vector<ToolbarTemplate> toolbars;
    for (const QString& line : tableLines(text)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        const QString keyword = fields.at(0).trimmed();
        if (keyword == QLatin1String("toolbar")) {
            const int id = fieldInt(fields, 1);
            if (id > 0)
                toolbars.push_back(ToolbarTemplate{id, fields.value(2), {}, {}});
            continue;
        }
        if (toolbars.empty())
            continue;
        if (keyword == QLatin1String("offered")) {
            for (qsizetype i = 1; i < fields.size(); ++i)
                if (const int id = fieldInt(fields, int(i)); id > 0)
                    toolbars.back().offered.push_back(id);
            continue;
        }
        ToolbarEntry entry;
        if (keyword == QLatin1String("separator")) {
            entry.kind = ToolbarEntry::Kind::Separator;
        } else {
            entry.id = fieldInt(fields, 1);
            if (entry.id <= 0)
                continue;
            if (keyword == QLatin1String("button")) {
                entry.kind = ToolbarEntry::Kind::Button;
                entry.icon = fields.value(2).trimmed();
            } else if (keyword == QLatin1String("label")) {
                entry.kind = ToolbarEntry::Kind::Label;
            } else if (keyword == QLatin1String("combo")) {
                entry.kind = ToolbarEntry::Kind::Combo;
                entry.width = fieldInt(fields, 2);
            } else {
                continue;
            }
        }
        toolbars.back().entries.push_back(entry);
    }
    return toolbars;
}

std::vector<AcceleratorEntry> parseAcceleratorTable(const QString& text) {
    std::vector<AcceleratorEntry> accelerators;
    for (const QString& line : tableLines(text)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        const int command = fieldInt(fields, 1);
        const QString keys = fields.at(0).trimmed();
        if (command > 0 && !keys.isEmpty())
            accelerators.push_back(AcceleratorEntry{keys, command});
    }
    return accelerators;
}

QString writeToolbarTable(const std::vector<ToolbarTemplate>& toolbars) {
    QString text;
    for (const ToolbarTemplate& toolbar : toolbars) {
        QString title = toolbar.title;
        title.replace(QLatin1Char('\t'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        title.remove(QLatin1Char('\r'));
        text += QStringLiteral("toolbar\t%1").arg(toolbar.id);
        if (!title.isEmpty())
            text += QLatin1Char('\t') + title;
        text += QLatin1Char('\n');
        if (!toolbar.offered.empty()) {
            text += QStringLiteral("offered");
            for (const int id : toolbar.offered)
                text += QStringLiteral("\t%1").arg(id);
            text += QLatin1Char('\n');
        }
        for (const ToolbarEntry& entry : toolbar.entries) {
            switch (entry.kind) {
            case ToolbarEntry::Kind::Separator:
                text += QStringLiteral("separator\n");
                break;
            case ToolbarEntry::Kind::Button:
                text += QStringLiteral("button\t%1\t%2\n").arg(entry.id).arg(entry.icon);
                break;
            case ToolbarEntry::Kind::Label:
                text += QStringLiteral("label\t%1\n").arg(entry.id);
                break;
            case ToolbarEntry::Kind::Combo:
                text += QStringLiteral("combo\t%1\t%2\n").arg(entry.id).arg(entry.width);
                break;
            }
        }
    }
    return text;
}

namespace {
void collectCommands(const MenuEntry& popup, QList<int>& ids) {
    for (const MenuEntry& entry : popup.children) {
        if (entry.kind == MenuEntry::Kind::Popup)
            collectCommands(entry, ids);
        else if (entry.kind == MenuEntry::Kind::Item && !ids.contains(entry.id))
            ids << entry.id;
    }
}
} // namespace

QList<int> menuCommands(const std::vector<MenuTemplate>& menus, int id) {
    QList<int> ids;
    if (const MenuTemplate* menu = findMenu(menus, id))
        for (const MenuEntry& popup : menu->popups)
            collectCommands(popup, ids);
    return ids;
}

const MenuTemplate* findMenu(const std::vector<MenuTemplate>& menus, int id) {
    for (const MenuTemplate& menu : menus)
        if (menu.id == id)
            return &menu;
    return nullptr;
}

ToolbarTemplate withNewCommands(const ToolbarTemplate& saved, const ToolbarTemplate& current) {
    ToolbarTemplate merged = saved;
    const auto offered = [&saved](int id) {
        return std::find(saved.offered.begin(), saved.offered.end(), id) != saved.offered.end();
    };
    // Where the next new command goes: after every command before it in `current` that the
    // saved bar holds, wherever the user moved them.
    std::size_t at = 0;
    for (std::size_t i = 0; i < current.entries.size(); ++i) {
        const ToolbarEntry& entry = current.entries[i];
        if (entry.kind == ToolbarEntry::Kind::Separator)
            continue;
        const auto placed = std::find_if(
            merged.entries.begin(), merged.entries.end(), [&entry](const ToolbarEntry& e) {
                return e.kind != ToolbarEntry::Kind::Separator && e.id == entry.id;
            });
        if (placed != merged.entries.end()) {
            at = std::max(at, std::size_t(placed - merged.entries.begin()) + 1);
            continue;
        }
        if (offered(entry.id))
            continue;
        if (i > 0 && current.entries[i - 1].kind == ToolbarEntry::Kind::Separator && at > 0 &&
            merged.entries[at - 1].kind != ToolbarEntry::Kind::Separator)
            merged.entries.insert(merged.entries.begin() + std::ptrdiff_t(at++),
                                  current.entries[i - 1]);
        merged.entries.insert(merged.entries.begin() + std::ptrdiff_t(at++), entry);
    }
    return merged;
}

const ToolbarTemplate* findToolbar(const std::vector<ToolbarTemplate>& toolbars, int id) {
    for (const ToolbarTemplate& toolbar : toolbars)
        if (toolbar.id == id)
            return &toolbar;
    return nullptr;
}
