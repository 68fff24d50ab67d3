#include "X11Locks.h"

#include <QGuiApplication>
#include <X11/XKBlib.h>

bool setX11Locks(quint32 mask) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return false;
    constexpr unsigned kLocks = 0x2 | 0x10;
    XkbLockModifiers(x11->display(), XkbUseCoreKbd, kLocks, mask & kLocks);
    XSync(x11->display(), False);
    return true;
}
