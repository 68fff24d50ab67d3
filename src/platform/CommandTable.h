#pragma once

#include <QHash>
#include <QList>
#include <functional>

// What each command of the menus, toolbars and accelerators does, registered by the subsystem
// that owns the behaviour. The window only places the commands; one without a handler is shown
// greyed.
class CommandTable {
public:
    using Handler = std::function<void(int id)>;
    using Test = std::function<bool()>;

    // `enabled` null means always enabled; `checked` null means the command is no check item.
    void add(int id, Handler run, Test enabled = {}, Test checked = {});
    void addRange(int first, int last, const Handler& run, const Test& enabled = {});

    bool has(int id) const { return m_commands.contains(id); }
    bool isEnabled(int id) const;
    bool isCheckable(int id) const;
    bool isChecked(int id) const;
    // Runs the command when it is enabled; false when it was not run.
    bool run(int id) const;

private:
    struct Command {
        Handler run;
        Test enabled;
        Test checked;
    };
    QHash<int, Command> m_commands;
};
