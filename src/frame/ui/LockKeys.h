#pragma once

#include <QtGlobal>
#include <optional>

// The locked modifiers of the keyboard now, as X11 masks (caps lock 0x2, num lock 0x10), the way
// key events carry them; nothing where the window system does not say (Wayland, offscreen).
std::optional<quint32> lockedModifiers();
