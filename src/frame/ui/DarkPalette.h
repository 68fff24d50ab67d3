#pragma once

#include <QPalette>

// The widgets' palette of the dark look, built on the window colour of the look.
QPalette darkPalette(const QColor& window);
