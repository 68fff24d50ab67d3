#pragma once

#include <QtGlobal>

// Sets the caps and num locks of the X server the tests run on (X11 masks 0x2 and 0x10); false
// when there is no X server. Kept apart from the tests: the X11 headers' macros clash with them.
bool setX11Locks(quint32 mask);
