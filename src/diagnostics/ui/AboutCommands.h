#pragma once

#include <QString>
#include <functional>

class CommandTable;
class QWidget;

// The "O aplikaci..." command: the About dialog over `parent`, measuring the disk of the folder
// that `programFolder` names when the system information is opened.
void RegisterAboutCommands(CommandTable& table, QWidget* parent,
                           std::function<QString()> programFolder);
