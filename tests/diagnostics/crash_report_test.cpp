#include "diagnostics/CrashCodes.h"
#include "diagnostics/ReportText.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
const QString kChild = QStringLiteral(TAVLIN_CRASH_CHILD);

struct ChildEnd {
    bool bSignalled = false;
    int nSignal = 0;
    int nExitCode = -1;
};

// Starts the crash program in `folder`; `beforeWait` runs with its pid once it has printed its
// first line (for the "wait" mode).
ChildEnd runChild(const QString& folder, const QStringList& arguments,
                  const std::function<void(pid_t)>& beforeWait = {}) {
    std::vector<QByteArray> strings{QFile::encodeName(kChild)};
    for (const QString& argument : arguments)
        strings.push_back(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& s : strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    // The sanitizers of an instrumented build would take the signals before the report does.
    QByteArray asan = "ASAN_OPTIONS=handle_segv=0:handle_sigbus=0:handle_sigfpe=0:"
                      "handle_sigill=0:handle_abort=0:detect_leaks=0";
    std::vector<char*> envp{asan.data(), nullptr};
    const QByteArray directory = QFile::encodeName(folder);
    int out[2];
    if (pipe(out) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        if (chdir(directory.constData()) == 0)
            execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(out[1]);
    if (beforeWait) {
        char line[16] = {};
        if (read(out[0], line, sizeof line - 1) > 0)
            beforeWait(pid);
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    ChildEnd end;
    end.bSignalled = WIFSIGNALED(status);
    end.nSignal = end.bSignalled ? WTERMSIG(status) : 0;
    end.nExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return end;
}

QString readReport(const QString& folder) {
    QFile file(folder + "/Tavlin.ERR");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const QString kBannerTitle = QStringLiteral("Záznam o haváriích programu TAVLIN");

class CrashReport : public ::testing::Test {
protected:
    QTemporaryDir m_folder;
};
} // namespace

TEST_F(CrashReport, DivisionByZeroAndNullWriteAppendToOneReportUnderOneBanner) {
    const ChildEnd divide = runChild(m_folder.path(), {"divide"});
    EXPECT_TRUE(divide.bSignalled);
    EXPECT_EQ(divide.nSignal, SIGFPE);
    const QString first = readReport(m_folder.path());
    EXPECT_TRUE(first.startsWith(QString(90, '*') + "\n*" + QString(23, ' ') + kBannerTitle +
                                 QString(31, ' ') + "*\n" + QString(90, '*') + "\n\n"))
        << first;
    EXPECT_TRUE(first.contains("Vyjímka číslo: C0000094 INT_DIVIDE_BY_ZERO \n")) << first;

    const ChildEnd null = runChild(m_folder.path(), {"null"});
    EXPECT_TRUE(null.bSignalled);
    EXPECT_EQ(null.nSignal, SIGSEGV);
    const QString both = readReport(m_folder.path());
    EXPECT_TRUE(both.startsWith(first));
    EXPECT_EQ(both.count(kBannerTitle), 1);
    EXPECT_EQ(both.count("Datum: "), 2);
    EXPECT_TRUE(both.mid(first.size()).contains("Vyjímka číslo: C0000005 ACCESS_VIOLATION \n"));
    EXPECT_EQ(both.count("--------------------------------------[ ***** ]"), 2);
}

TEST_F(CrashReport, ReportNamesTheProgramAndWalksItsFrames) {
    runChild(m_folder.path(), {"divide"});
    const QString report = readReport(m_folder.path());
    // The header of the start-up measurements comes first, with the release.
    EXPECT_TRUE(report.contains(QRegularExpression(
        "\nDatum: \\d+\\.\\d+\\.\\d{4} \\d+:\\d\\d:\\d\\d .* \tVerze: TAVLIN Rel 10000\\.3 "
        "\\(11\\.1\\.2012\\) \t\n-{90}\n\nSystémové informace:\n")))
        << report;
    // The faulting instruction lies in the program's own code section.
    const QRegularExpression address("Adresa:  ([0-9A-F]{16}) ([0-9A-F]{2}):([0-9A-F]{8}) "
                                     "\\.text\tModul: (.*)\n");
    const QRegularExpressionMatch match = address.match(report);
    ASSERT_TRUE(match.hasMatch()) << report;
    EXPECT_EQ(match.captured(4), QFileInfo(kChild).canonicalFilePath());
    EXPECT_NE(match.captured(2), "00");
    EXPECT_TRUE(report.contains(QRegularExpression("CS:RIP:[0-9A-F]{4}:" + match.captured(1))));
    // The walk starts at the fault and goes up through the program's callers (frame pointers).
    const QString stack = report.mid(report.indexOf("Zásobník volání:"));
    const QStringList lines = stack.split('\n');
    ASSERT_GT(lines.size(), 3);
    EXPECT_TRUE(lines[2].startsWith(match.captured(1))) << stack;
    EXPECT_GE(stack.count(QFileInfo(kChild).canonicalFilePath()), 2) << stack;
}

TEST_F(CrashReport, StackOverflowIsNamedAndItsEndlessChainShortened) {
    const ChildEnd end = runChild(m_folder.path(), {"overflow"});
    EXPECT_TRUE(end.bSignalled);
    EXPECT_EQ(end.nSignal, SIGSEGV);
    const QString report = readReport(m_folder.path());
    EXPECT_TRUE(report.contains("Vyjímka číslo: C00000FD STACK_OVERFLOW \n")) << report.left(2000);
    EXPECT_TRUE(
        report.contains(QRegularExpression("\n\\.\\.\\. vynecháno rámců: \\d+ \\.\\.\\.\n")));
    EXPECT_TRUE(report.endsWith("-------------------------------------------\n\n\n"));
}

TEST_F(CrashReport, SignalsSentFromOutsideAndAbortAreReportedAndStillEndTheProgram) {
    const ChildEnd killed =
        runChild(m_folder.path(), {"wait"}, [](pid_t pid) { kill(pid, SIGSEGV); });
    EXPECT_TRUE(killed.bSignalled);
    EXPECT_EQ(killed.nSignal, SIGSEGV);
    QString report = readReport(m_folder.path());
    EXPECT_TRUE(report.contains("Vyjímka číslo: C0000005 ACCESS_VIOLATION \n"));
    EXPECT_TRUE(report.contains("Zásobník volání:"));

    const ChildEnd aborted = runChild(m_folder.path(), {"abort"});
    EXPECT_TRUE(aborted.bSignalled);
    EXPECT_EQ(aborted.nSignal, SIGABRT);
    report = readReport(m_folder.path());
    EXPECT_TRUE(report.contains("Vyjímka číslo: E0000006 ABORT \n"));
    EXPECT_EQ(report.count(kBannerTitle), 1);
}

TEST_F(CrashReport, ReadOnlyReportStaysAsItIsAndTheProgramStillDiesOfItsSignal) {
    const QString path = m_folder.path() + "/Tavlin.ERR";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("older report\n");
    }
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0444), 0);
    // Root may write into any file: the program then runs as nobody.
    QStringList arguments{"null"};
    if (geteuid() == 0) {
        arguments << "--as-nobody";
        ASSERT_EQ(chmod(QFile::encodeName(m_folder.path()).constData(), 0755), 0);
    }
    const ChildEnd end = runChild(m_folder.path(), arguments);
    EXPECT_TRUE(end.bSignalled);
    EXPECT_EQ(end.nSignal, SIGSEGV);
    EXPECT_EQ(readReport(m_folder.path()), "older report\n");
}

TEST(CrashCodes, FaultKindsAndSentSignalsMapToTheirCodes) {
    EXPECT_EQ(crashCodeOf(SIGFPE, FPE_INTDIV, false).code, 0xC0000094u);
    EXPECT_EQ(crashCodeOf(SIGFPE, SI_USER, false).code, 0xC0000094u);
    EXPECT_STREQ(crashCodeOf(SIGFPE, FPE_FLTDIV, false).name, "FLT_DIVIDE_BY_ZERO");
    EXPECT_STREQ(crashCodeOf(SIGILL, ILL_ILLOPN, false).name, "ILLEGAL_INSTRUCTION");
    EXPECT_STREQ(crashCodeOf(SIGILL, ILL_PRVOPC, false).name, "PRIV_INSTRUCTION");
    EXPECT_EQ(crashCodeOf(SIGBUS, BUS_ADRERR, false).code, 0xC0000006u);
    EXPECT_STREQ(crashCodeOf(SIGBUS, BUS_ADRALN, false).name, "DATATYPE_MISALIGNMENT");
    EXPECT_EQ(crashCodeOf(SIGSEGV, SEGV_MAPERR, true).code, 0xC00000FDu);
    EXPECT_EQ(crashCodeOf(SIGSEGV, SI_USER, false).code, 0xC0000005u);
}

TEST(ReportText, NumbersAreFormattedAndLongTextIsCut) {
    ReportText piece;
    piece.hex(0xC0000005, 8).text(" ").hex(0x1F, 4).text(" ").hex(0, 2);
    piece.text("|").dec(524288, 7).text("|").dec(-42).text("|").dec(INT64_MIN);
    EXPECT_EQ(std::string(piece.data(), piece.size()),
              "C0000005 001F 00| 524288|-42|-9223372036854775808");
    ReportText full;
    for (int i = 0; i < 2000; ++i)
        full.text("x");
    EXPECT_EQ(full.size(), ReportText::kCapacity);
}
