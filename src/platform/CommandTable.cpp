#include "platform/CommandTable.h"

void CommandTable::add(int id, Handler run, Test enabled, Test checked) {
    m_commands.insert(id, Command{std::move(run), std::move(enabled), std::move(checked)});
}

void CommandTable::addRange(int first, int last, const Handler& run, const Test& enabled) {
    for (int id = first; id <= last; ++id)
        add(id, run, enabled);
}

bool CommandTable::isEnabled(int id) const {
    const auto it = m_commands.constFind(id);
    return it != m_commands.constEnd() && (!it->enabled || it->enabled());
}

bool CommandTable::isCheckable(int id) const {
    const auto it = m_commands.constFind(id);
    return it != m_commands.constEnd() && it->checked;
}

bool CommandTable::isChecked(int id) const {
    const auto it = m_commands.constFind(id);
    return it != m_commands.constEnd() && it->checked && it->checked();
}

bool CommandTable::run(int id) const {
    if (!isEnabled(id))
        return false;
    // A copy: the handler may change the table (commands that come and go).
    const Handler handler = m_commands.constFind(id)->run;
    handler(id);
    return true;
}
