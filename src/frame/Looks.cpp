#include "frame/Looks.h"

#include "platform/Registry.h"

int resolveAppLook(std::uint32_t stored, bool bThemesActive, bool bDesktopDark) {
    const int look = static_cast<int>(static_cast<std::int32_t>(stored));
    if (look == -1 && bDesktopDark)
        return kDarkAppLook;
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
    case kDarkAppLook:
        return {QStringLiteral("Fusion"), 0x2B2D31, 0x3A3D42, true};
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

bool desktopPrefersDark(int windowLightness, const QString& gtkTheme) {
    constexpr int kDarkBelow = 128;
    return windowLightness < kDarkBelow || gtkTheme.endsWith(QLatin1String(":dark")) ||
           gtkTheme.endsWith(QLatin1String("-dark"), Qt::CaseInsensitive);
}

int readAppLook(bool bDesktopDark) {
    return resolveAppLook(ReadRegDword(GetMakerKey(), QStringLiteral("AppLook"),
                                       static_cast<DWORD>(kDefaultAppLook),
                                       RegistryRoot::CurrentUser),
                          desktopThemesActive(), bDesktopDark);
}
