#include "frame/ui/LockKeys.h"

#include <QGuiApplication>
#include <X11/XKBlib.h>

std::optional<quint32> lockedModifiers() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return std::nullopt;
    XkbStateRec state{};
    if (XkbGetState(x11->display(), XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    return static_cast<quint32>(state.locked_mods);
}
