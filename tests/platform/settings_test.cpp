#include "frame/Looks.h"
#include "platform/Registry.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Every test gets a fresh configuration folder, as a new user would have.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        QStandardPaths::setTestModeEnabled(false);
    }
    QTemporaryDir m_config;
};
} // namespace

TEST_F(SettingsTest, FreshUserGetsDefaults) {
    EXPECT_EQ(GetProfileInt("Settings", "Width", 434), 434);
    EXPECT_EQ(GetProfileInt("Search", "Settings", 7), 7);
    EXPECT_TRUE(GetProfileBinary("Search", "History").isEmpty());
    EXPECT_EQ(readAppLook(), 2);
}

TEST_F(SettingsTest, NamesMatchWithoutRegardToCase) {
    ASSERT_TRUE(WriteProfileInt("Settings", "Width", 512));
    EXPECT_EQ(GetProfileInt("SETTINGS", "width", 434), 512);
    // The product key is the profile key spelled differently.
    EXPECT_EQ(ReadRegDword(GetProductKey() + "settings", "WIDTH", 0, RegistryRoot::CurrentUser),
              512u);
    ASSERT_TRUE(WriteProfileInt("settings", "WIDTH", 600));
    EXPECT_EQ(GetProfileInt("Settings", "Width", 434), 600);
}

TEST_F(SettingsTest, RootsAreSeparateFiles) {
    ASSERT_TRUE(WriteRegDword("SOFTWARE\\Ardenvolt", "AppLook", 1, RegistryRoot::LocalMachine));
    EXPECT_EQ(ReadRegDword("SOFTWARE\\Ardenvolt", "AppLook", 9, RegistryRoot::CurrentUser), 9u);
    EXPECT_EQ(ReadRegString("SOFTWARE\\Nothing", "Value", RegistryRoot::CurrentUser), QString());
}

TEST_F(SettingsTest, BinaryValuesRoundTrip) {
    const QByteArray bytes("\x01\x00\xff\x7f", 4);
    ASSERT_TRUE(WriteProfileBinary("Search", "History", bytes));
    EXPECT_EQ(GetProfileBinary("search", "history"), bytes);
}

TEST_F(SettingsTest, AppLookIsReadFromTheMakerKeyOnly) {
    WriteRegDword(GetProductKey(), "AppLook", 0, RegistryRoot::CurrentUser);
    EXPECT_EQ(readAppLook(), 2);
    WriteRegDword(GetMakerKey(), "AppLook", 0, RegistryRoot::CurrentUser);
    EXPECT_EQ(readAppLook(), 0);
}

TEST(AppLook, MinusOneFollowsTheDesktopTheme) {
    EXPECT_EQ(resolveAppLook(0xFFFFFFFFu, true), 2);
    EXPECT_EQ(resolveAppLook(0xFFFFFFFFu, false), 1);
    EXPECT_EQ(resolveAppLook(5, true), 5);
    EXPECT_FALSE(lookDefinition(5).paneRgb.has_value());
    EXPECT_TRUE(lookDefinition(5).styleName.isEmpty());
    EXPECT_FALSE(lookDefinition(0).paneRgb.has_value());
    EXPECT_TRUE(lookDefinition(2).paneRgb.has_value());
}

TEST(AppLook, ThemeTestNeedsANamedDesktopOnARealDisplay) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    EXPECT_TRUE(desktopThemesActive());
    qunsetenv("XDG_CURRENT_DESKTOP");
    EXPECT_FALSE(desktopThemesActive());
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    EXPECT_FALSE(desktopThemesActive());
    qunsetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("QT_QPA_PLATFORM");
}

TEST(AppLook, DarkLookAndADarkDesktop) {
    // -1 takes the dark look when the desktop is dark, whatever its theme test says.
    EXPECT_EQ(resolveAppLook(0xFFFFFFFFu, true, true), 3);
    EXPECT_EQ(resolveAppLook(0xFFFFFFFFu, false, true), 3);
    EXPECT_EQ(resolveAppLook(1, true, true), 1);
    EXPECT_TRUE(lookDefinition(3).bDark);
    EXPECT_TRUE(lookDefinition(3).paneRgb.has_value());
    EXPECT_FALSE(lookDefinition(2).bDark);
    EXPECT_TRUE(desktopPrefersDark(40, QString()));
    EXPECT_FALSE(desktopPrefersDark(239, QString()));
    EXPECT_TRUE(desktopPrefersDark(239, QStringLiteral("Adwaita:dark")));
    EXPECT_TRUE(desktopPrefersDark(239, QStringLiteral("Arc-Dark")));
    EXPECT_FALSE(desktopPrefersDark(239, QStringLiteral("Adwaita")));
}
