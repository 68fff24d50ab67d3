#pragma once

#include <QIcon>
#include <QString>

// The pictures of the toolbar buttons, drawn by the program itself (16 x 15 like the buttons).
QIcon toolbarIcon(const QString& name);
