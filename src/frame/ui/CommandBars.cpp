#include "frame/ui/CommandBars.h"

#include "frame/StatusText.h"
#include "platform/Strings.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

CCommandActions::CCommandActions(QObject* parent) : QObject(parent) {}

QAction* CCommandActions::action(int id) {
    if (QAction* existing = m_actions.value(id))
        return existing;
    auto* created = new QAction(this);
    created->setData(id);
    created->setObjectName(QStringLiteral("command%1").arg(id));
    const QString tooltip = commandTooltip(LoadResString(static_cast<unsigned>(id)));
    if (!tooltip.isEmpty())
        created->setToolTip(tooltip);
    connect(created, &QAction::triggered, this, [this, id] { emit triggered(id); });
    connect(created, &QAction::hovered, this, [this, id] { emit hovered(id); });
    m_actions.insert(id, created);
    return created;
}

QString readUiTable(const QString& name) {
    QFile file(QStringLiteral(":/ui/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QMenu* buildPopupMenu(const MenuEntry& popup, CCommandActions& commands, QWidget* parent) {
    auto* menu = new QMenu(popup.text, parent);
    // Prompts come from the command strings, never from tooltips shown on menus.
    menu->setToolTipsVisible(false);
    for (const MenuEntry& entry : popup.children) {
        switch (entry.kind) {
        case MenuEntry::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuEntry::Kind::Item: {
            QAction* action = commands.action(entry.id);
            action->setText(entry.text);
            menu->addAction(action);
            break;
        }
        case MenuEntry::Kind::Popup:
            menu->addMenu(buildPopupMenu(entry, commands, menu));
            break;
        }
    }
    return menu;
}

void fillMenuBar(QMenuBar* menuBar, const MenuTemplate& menu, CCommandActions& commands) {
    for (const MenuEntry& popup : menu.popups)
        menuBar->addMenu(buildPopupMenu(popup, commands, menuBar));
}
