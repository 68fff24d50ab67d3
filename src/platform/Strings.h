#pragma once

#include <QString>

// The string-table text with this id, empty when the table has none.
QString LoadResString(unsigned id);
