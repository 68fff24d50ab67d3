#include "diagnostics/SystemInfo.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
SystemMeasurements sample() {
    SystemMeasurements measured;
    measured.nTotalMemoryKiB = 524288;
    measured.nSystemDiskFreeMB = 1234;
    measured.nProgramDiskFreeMB = 5000000; // 4.7 TB: not cut to 32 bits
    measured.strOsName = "Debian GNU/Linux 12 (bookworm)";
    measured.strDataAccessVersion = "3.40.1";
    return measured;
}

QString writeFile(const QTemporaryDir& dir, const QByteArray& text) {
    QFile file(dir.filePath("os-release"));
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return file.fileName();
}
} // namespace

TEST(SystemInfo, AboutTextHasItsLinesInOrder) {
    const QStringList lines = GetSystemInfoText("\n", sample()).split('\n');
    EXPECT_EQ(lines, (QStringList{"TAVLIN 2012", "Release: 10000.3 (11.1.2012)", "", "",
                                  "Systémové informace:", "Celková velikost paměti:  524288 kB",
                                  "Volné místo na systémovém disku: 1234 MB",
                                  "Volné místo na disku Tavlinu: 5000000 MB",
                                  "Operační systém: Debian GNU/Linux 12 (bookworm)",
                                  "Verze SQLite: 3.40.1", ""}));
    EXPECT_TRUE(GetSystemInfoText("\r\n", sample()).startsWith("TAVLIN 2012\r\nRelease: "));
}

TEST(SystemInfo, CrashHeaderIsAFormatForTheDateWithHostAndMeasurements) {
    SystemMeasurements measured = sample();
    measured.strOsName.clear();
    const QByteArray format = crashHeaderFormat(measured, "stroj");
    EXPECT_EQ(QString::fromUtf8(format),
              QString(90, '-') + "\nDatum: %s stroj \tVerze: TAVLIN Rel 10000.3 (11.1.2012) \t\n" +
                  QString(90, '-') +
                  "\n\nSystémové informace:\nCelková velikost paměti:  524288 kB\n"
                  "Volné místo na systémovém disku: 1234 MB\n"
                  "Volné místo na disku programu TAVLIN: 5000000 MB\nOperační systém: \n"
                  "Verze SQLite: 3.40.1\n\n");
    EXPECT_EQ(format.count("%s"), 1);
}

TEST(SystemInfo, OsNameIsThePrettyNameWithOrWithoutQuotes) {
    QTemporaryDir dir;
    EXPECT_EQ(osPrettyName(writeFile(dir, "NAME=\"Debian\"\nPRETTY_NAME=\"Debian GNU/Linux 12 "
                                          "(bookworm)\"\nID=debian\n")),
              "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(osPrettyName(writeFile(dir, "PRETTY_NAME=Alpine\n")), "Alpine");
    EXPECT_EQ(osPrettyName(writeFile(dir, "NAME=Something\n")), "");
    EXPECT_EQ(osPrettyName(dir.filePath("missing")), "");
}

TEST(SystemInfo, MeasuredMemoryIsTheKernelsTotal) {
    QFile meminfo("/proc/meminfo");
    ASSERT_TRUE(meminfo.open(QIODevice::ReadOnly));
    const QString first = QString::fromLatin1(meminfo.readLine()).simplified();
    ASSERT_TRUE(first.startsWith("MemTotal:"));
    const qint64 kib = first.section(' ', 1, 1).toLongLong();
    const SystemMeasurements measured = measureSystem("/nonexistent/folder");
    EXPECT_EQ(measured.nTotalMemoryKiB, kib);
    EXPECT_GT(measured.nSystemDiskFreeMB, 0);
    EXPECT_EQ(measured.nProgramDiskFreeMB, 0);
    EXPECT_FALSE(measured.strDataAccessVersion.isEmpty());
}
