#include "diagnostics/SystemInfo.h"

#include "diagnostics/CrashReport.h"
#include "diagnostics/Release.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QFile>
#include <QSysInfo>
#include <sqlite3.h>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>

namespace {
qint64 freeMegabytes(const QString& path) {
    struct statvfs disk {};
    if (statvfs(QFile::encodeName(path).constData(), &disk) != 0)
        return 0;
    return static_cast<qint64>(static_cast<unsigned long long>(disk.f_bfree) * disk.f_frsize /
                               1048576);
}

QString formatted(unsigned id, qint64 value) {
    return QString::asprintf(LoadResString(id).toUtf8().constData(), static_cast<long>(value));
}

QString formatted(unsigned id, const QString& value) {
    return LoadResString(id).replace(QLatin1String("%s"), value);
}

QString memoryLine(unsigned id, qint64 kib) {
    return QString::asprintf(LoadResString(id).toUtf8().constData(), 7, static_cast<long>(kib));
}

QString dashes() {
    return QString(90, QLatin1Char('-'));
}
} // namespace

QString osPrettyName(const QString& osReleasePath) {
    QFile file(osReleasePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.startsWith(QLatin1String("PRETTY_NAME=")))
            continue;
        QString value = line.mid(12);
        if (value.size() >= 2 &&
            (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return value.replace(QLatin1String("\\\""), QLatin1String("\""));
    }
    return QString();
}

SystemMeasurements measureSystem(const QString& programFolder) {
    SystemMeasurements measured;
    struct sysinfo info {};
    if (sysinfo(&info) == 0)
        measured.nTotalMemoryKiB = static_cast<qint64>(
            static_cast<unsigned long long>(info.totalram) * info.mem_unit >> 10);
    measured.nSystemDiskFreeMB = freeMegabytes(QStringLiteral("/"));
    measured.nProgramDiskFreeMB = freeMegabytes(programFolder);
    measured.strOsName = osPrettyName();
    measured.strDataAccessVersion = QString::fromLatin1(sqlite3_libversion());
    return measured;
}

QString GetSystemInfoText(const QString& sep, const SystemMeasurements& measured) {
    QString text;
    text += LoadResString(IDS_PRODUCT_TITLE) + sep;
    text += LoadResString(IDS_RELEASE_LABEL) + QLatin1String(kRelease) + sep;
    text += sep + sep;
    text += LoadResString(IDS_SYSINFO_TITLE) + sep;
    text += memoryLine(IDS_SYSINFO_MEMORY, measured.nTotalMemoryKiB) + sep;
    text += formatted(IDS_SYSINFO_SYSTEM_DISK, measured.nSystemDiskFreeMB) + sep;
    text += formatted(IDS_SYSINFO_PROGRAM_DISK, measured.nProgramDiskFreeMB) + sep;
    text += formatted(IDS_SYSINFO_OS, measured.strOsName) + sep;
    text += formatted(IDS_SYSINFO_DATA_ACCESS, measured.strDataAccessVersion) + sep;
    return text;
}

QString GetSystemInfoText(const QString& sep, const QString& programFolder) {
    return GetSystemInfoText(sep, measureSystem(programFolder));
}

QByteArray crashHeaderFormat(const SystemMeasurements& measured, const QString& hostName) {
    QString t = hostName + QStringLiteral(" \tVerze: TAVLIN Rel ") + QLatin1String(kRelease) +
                QStringLiteral(" \t\n") + dashes() + QLatin1Char('\n');
    t += QLatin1Char('\n') + LoadResString(IDS_CRASH_SYSINFO_TITLE) + QLatin1Char('\n') +
         memoryLine(IDS_CRASH_MEMORY, measured.nTotalMemoryKiB);
    t += QLatin1Char('\n') + formatted(IDS_CRASH_SYSTEM_DISK, measured.nSystemDiskFreeMB);
    t += QLatin1Char('\n') + formatted(IDS_CRASH_PROGRAM_DISK, measured.nProgramDiskFreeMB);
    t += QLatin1Char('\n') + formatted(IDS_CRASH_OS, measured.strOsName);
    t += QLatin1Char('\n') + formatted(IDS_CRASH_DATA_ACCESS, measured.strDataAccessVersion);
    return (dashes() + QStringLiteral("\nDatum: %s ") + t + QStringLiteral("\n\n")).toUtf8();
}

void BuildCrashHeader(const QString& programFolder) {
    setCrashHeaderFormat(
        crashHeaderFormat(measureSystem(programFolder), QSysInfo::machineHostName()));
}
