#include "app/UrlProtocol.h"

#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QDir>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {
const QLatin1String kScheme("tavlin:");
const QLatin1String kShellLaunchArguments(" /QrmL568421563 /dde %u");

// One argument of an Exec line: quoted when it holds a character the desktop entry format
// reserves, then escaped as every string value is.
QString execArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString quoted = argument;
    if (std::any_of(argument.begin(), argument.end(),
                    [](QChar c) { return reserved.contains(c); })) {
        quoted.clear();
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return quoted;
}

void runIfPresent(const QString& tool, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(tool);
    if (!path.isEmpty())
        QProcess::execute(path, arguments);
}
} // namespace

QString desktopEntryText(const QString& programPath) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "GenericName=Law Reader\n"
                          "GenericName[cs]=Čtečka právních předpisů\n"
                          "Exec=%2%3\n"
                          "Icon=cz.tavlin.Reader\n"
                          "MimeType=x-scheme-handler/tavlin;\n"
                          "Terminal=false\n"
                          "Categories=Office;Viewer;\n"
                          "StartupWMClass=tavlin\n")
        .arg(LoadResString(IDS_APP_TITLE), execArgument(programPath), kShellLaunchArguments);
}

bool writeDesktopEntry(const QString& applicationsFolder, const QString& programPath) {
    if (!QDir().mkpath(applicationsFolder))
        return false;
    QSaveFile file(applicationsFolder + QLatin1Char('/') + QLatin1String(kDesktopId));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(desktopEntryText(programPath).toUtf8());
    return file.commit();
}

bool RegisterUrlProtocol(const QString& programPath) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    if (folder.isEmpty() || !writeDesktopEntry(folder, programPath))
        return false;
    runIfPresent(QStringLiteral("xdg-mime"), {QStringLiteral("default"), QLatin1String(kDesktopId),
                                              QStringLiteral("x-scheme-handler/tavlin")});
    runIfPresent(QStringLiteral("update-desktop-database"), {folder});
    return true;
}

std::optional<QString> designationFromLink(const QString& name) {
    if (!name.startsWith(kScheme, Qt::CaseInsensitive))
        return std::nullopt;
    return name.mid(kScheme.size());
}
