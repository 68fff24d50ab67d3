#include "app/CommandLineInfo.h"
#include "app/UrlProtocol.h"
#include "platform/LaunchFlags.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
CTavlinCommandLineInfo parse(const QStringList& arguments) {
    CTavlinCommandLineInfo info;
    info.ParseCommandLine(QStringList{"tavlin"} + arguments);
    return info;
}

void clearLaunchFlags() {
    g_bRefreshAfterDde = g_bSkipContentsFill = g_bSkipRegisterFill = g_bSkipIndexFill = 0;
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

TEST(CommandLine, SwitchesAreExactWordsAfterSlashOrDash) {
    clearLaunchFlags();
    EXPECT_TRUE(parse({"/register"}).m_bRegister);
    EXPECT_TRUE(parse({"-register"}).m_bRegister);
    EXPECT_FALSE(parse({"/REGISTER"}).m_bRegister);
    EXPECT_FALSE(parse({"register"}).m_bRegister);
    EXPECT_FALSE(parse({"/registerx"}).m_bRegister);
    EXPECT_FALSE(parse({"/qrml568421563"}).m_bShellLaunch);
    EXPECT_EQ(g_bRefreshAfterDde + g_bSkipContentsFill + g_bSkipRegisterFill + g_bSkipIndexFill, 0);

    const CTavlinCommandLineInfo shell = parse({"/QrmL568421563", "/dde", "tavlin:DP", "x"});
    EXPECT_TRUE(shell.m_bShellLaunch);
    EXPECT_FALSE(shell.m_bRegister);
    EXPECT_EQ(shell.m_strFileName, "tavlin:DP");
    EXPECT_EQ(g_bRefreshAfterDde, 1);
    EXPECT_EQ(g_bSkipContentsFill, 1);
    EXPECT_EQ(g_bSkipRegisterFill, 1);
    EXPECT_EQ(g_bSkipIndexFill, 1);
    clearLaunchFlags();

    // A file name alone is recorded and opens nothing by itself.
    const CTavlinCommandLineInfo plain = parse({"Data/TavlinDemo.db"});
    EXPECT_FALSE(plain.m_bShellLaunch);
    EXPECT_EQ(plain.m_strFileName, "Data/TavlinDemo.db");
    EXPECT_EQ(g_bRefreshAfterDde, 0);

    // A bare link, as a menu entry with "%u" gives it, is served as the shell's start is.
    EXPECT_TRUE(parse({"TAVLIN:DP"}).m_bShellLaunch);
    EXPECT_EQ(g_bSkipIndexFill, 1);
    clearLaunchFlags();
    // The switch without a link is an ordinary start: no lists are left empty.
    EXPECT_FALSE(parse({"/QrmL568421563", "/dde"}).m_bShellLaunch);
    EXPECT_EQ(g_bRefreshAfterDde + g_bSkipContentsFill + g_bSkipRegisterFill + g_bSkipIndexFill, 0);
}

TEST(UrlProtocol, DesignationIsTheRestAfterTheSchemeInAnyCase) {
    EXPECT_EQ(designationFromLink("tavlin:DP"), "DP");
    EXPECT_EQ(designationFromLink("TAVLIN:DP"), "DP");
    EXPECT_EQ(designationFromLink("TaVlIn:dp"), "dp");
    EXPECT_EQ(designationFromLink("tavlin:Z%C3%A1kon%20DP"), "Z%C3%A1kon%20DP");
    EXPECT_EQ(designationFromLink("tavlin:"), "");
    EXPECT_EQ(designationFromLink("tavlin"), std::nullopt);
    EXPECT_EQ(designationFromLink("http://tavlin:DP"), std::nullopt);
    EXPECT_EQ(designationFromLink("/home/user/tavlin:DP"), std::nullopt);
}

TEST(UrlProtocol, DesktopEntryStartsTheProgramInShellLaunchModeForTheScheme) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("share/applications");
    ASSERT_TRUE(writeDesktopEntry(folder, "/opt/tavlin/bin/tavlin"));
    const QString text = readText(folder + "/cz.tavlin.Reader.desktop");
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    EXPECT_TRUE(text.contains("\nName=TAVLIN\n"));
    EXPECT_TRUE(text.contains("\nExec=/opt/tavlin/bin/tavlin /QrmL568421563 /dde %u\n"));
    EXPECT_TRUE(text.contains("\nMimeType=x-scheme-handler/tavlin;\n"));
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (!validator.isEmpty()) {
        QProcess validate;
        validate.start(validator, {folder + "/cz.tavlin.Reader.desktop"});
        ASSERT_TRUE(validate.waitForFinished());
        EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().toStdString();
    }

    // A path with blanks, quotes, backslashes or per cent signs is quoted for the Exec line.
    ASSERT_TRUE(writeDesktopEntry(folder, "/opt/my \"tavlin\" 100%/a\\b"));
    EXPECT_TRUE(readText(folder + "/cz.tavlin.Reader.desktop")
                    .contains("\nExec=\"/opt/my \\\\\"tavlin\\\\\" 100%%/a\\\\\\\\b\" "
                              "/QrmL568421563 /dde %u\n"));

    // A folder that cannot be made fails instead of pretending.
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_FALSE(writeDesktopEntry(dir.filePath("file/applications"), "/opt/tavlin"));
}

TEST(UrlProtocol, RegisteringMakesTheEntryTheUsersHandlerOfTheScheme) {
    QTemporaryDir data;
    QTemporaryDir config;
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    EXPECT_TRUE(RegisterUrlProtocol("/opt/tavlin/bin/tavlin"));
    EXPECT_TRUE(QFile::exists(data.filePath("applications/cz.tavlin.Reader.desktop")));
    if (!QStandardPaths::findExecutable("xdg-mime").isEmpty()) {
        QProcess query;
        query.start("xdg-mime", {"query", "default", "x-scheme-handler/tavlin"});
        ASSERT_TRUE(query.waitForFinished());
        EXPECT_EQ(QString::fromUtf8(query.readAllStandardOutput()).trimmed(),
                  "cz.tavlin.Reader.desktop");
    }
    if (!QStandardPaths::findExecutable("update-desktop-database").isEmpty()) {
        EXPECT_TRUE(readText(data.filePath("applications/mimeinfo.cache"))
                        .contains("x-scheme-handler/tavlin=cz.tavlin.Reader.desktop;"));
    }
    qputenv("XDG_DATA_HOME", oldData);
    qputenv("XDG_CONFIG_HOME", oldConfig);
}
