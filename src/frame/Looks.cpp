#include "frame/Looks.h"

#include "platform/Registry.h"

int resolveAppLook(std::uint32_t stored, bool bThemesActive) {
    const int look = static_cast<int>(static_cast<std::int32_t>(stored));
    if (look == -1)
        return bThemesActive ? 2 : 1;
    return look;
}

LookDefinition lookDefinition(int nAppLook) {
    switch (nAppLook) {
    case 0:
        return {QStringLiteral("Windows"), std::nullopt, 0xD4D0C8};
    case 1:
        return {QStringLiteral("Fusion"), 0xECE9D8, 0xECE9D8};
    case 2:
        return {QStringLiteral("Fusion"), 0xC3DAF9, 0xDDECFE};
    default:
        return {QString(), std::nullopt, std::nullopt};
    }
}

bool desktopThemesActive() {
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return false;
    return !qEnvironmentVariable("XDG_CURRENT_DESKTOP").isEmpty();
}

int readAppLook() {
    return resolveAppLook(ReadRegDword(GetMakerKey(), QStringLiteral("AppLook"),
                                       static_cast<DWORD>(kDefaultAppLook),
                                       RegistryRoot::CurrentUser),
                          desktopThemesActive());
}
