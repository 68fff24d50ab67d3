#pragma once

#include <QDateTime>
#include <functional>

// The seam for "now": the system clock, unless a test has set a clock of its own.
QDateTime currentDateTime();
// An empty function gives the system clock back.
void setClock(std::function<QDateTime()> clock);
