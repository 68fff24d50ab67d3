#pragma once

#include <QByteArray>
#include <QString>

// What the About dialog's system information and the crash report's header tell about the
// machine, measured anew at each call of measureSystem.
struct SystemMeasurements {
    qint64 nTotalMemoryKiB = 0;
    qint64 nSystemDiskFreeMB = 0;
    qint64 nProgramDiskFreeMB = 0;
    QString strOsName;
    QString strDataAccessVersion;
};

// Total memory (sysinfo), free space of "/" and of the program folder's file system (statvfs;
// 0 when it cannot be measured), the system's name and the SQLite library's version.
SystemMeasurements measureSystem(const QString& programFolder);

// PRETTY_NAME of an os-release file, empty when the file or the key is missing.
QString osPrettyName(const QString& osReleasePath = QStringLiteral("/etc/os-release"));

// The system-information text of the About dialog, each line followed by `sep`.
QString GetSystemInfoText(const QString& sep, const SystemMeasurements& measured);
QString GetSystemInfoText(const QString& sep, const QString& programFolder);

// The crash report's header: a text with one "%s" for the date and time, the host name, the
// release and the measurements.
QByteArray crashHeaderFormat(const SystemMeasurements& measured, const QString& hostName);

// Measures the system once and gives the crash report its header.
void BuildCrashHeader(const QString& programFolder);
