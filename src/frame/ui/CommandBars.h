#pragma once

#include "frame/UiTables.h"

#include <QHash>
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The window's commands: one QAction per command id, shared by menus, toolbars and accelerators,
// with the tooltip from the command's string ("prompt\ntooltip").
class CCommandActions : public QObject {
    Q_OBJECT
public:
    explicit CCommandActions(QObject* parent);

    // The action of a command, created on first use.
    QAction* action(int id);
    // The action of a command, null when none was created.
    QAction* find(int id) const { return m_actions.value(id); }
    QList<int> ids() const { return m_actions.keys(); }

signals:
    void triggered(int id);
    void hovered(int id);

private:
    QHash<int, QAction*> m_actions;
};

// Reads a table from the compiled-in resources (":/ui/<name>").
QString readUiTable(const QString& name);

// The popup of a menu template as a QMenu (owned by parent).
QMenu* buildPopupMenu(const MenuEntry& popup, CCommandActions& commands, QWidget* parent);
void fillMenuBar(QMenuBar* menuBar, const MenuTemplate& menu, CCommandActions& commands);
