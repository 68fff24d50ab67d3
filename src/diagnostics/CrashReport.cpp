#include "diagnostics/CrashReport.h"

#include "diagnostics/CrashCodes.h"
#include "diagnostics/ModuleLookup.h"
#include "diagnostics/ReportText.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <ucontext.h>
#include <unistd.h>

namespace {
constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];
// Lines of the call stack written in full; of a longer chain (a runaway recursion) the last
// kTailFrames follow a line that counts the frames left out.
constexpr int kHeadFrames = 256;
constexpr int kTailFrames = 16;
// A fault this close to the stack pointer is taken for a stack overflow.
constexpr std::uintptr_t kStackOverflowReach = 64 * 1024;

char g_szReportPath[4096];
char g_szHeaderBefore[2048];
char g_szHeaderAfter[4096];
long g_nUtcOffset = 0;
struct sigaction g_previous[kSignalCount];
bool g_bInstalled = false;
// The main thread's stack, for telling a stack overflow from other faults.
std::uintptr_t g_stackLow = 0;
std::uintptr_t g_stackHigh = 0;
// A pipe that copies memory only when it is readable: write() fails with EFAULT otherwise.
int g_probe[2] = {-1, -1};
alignas(16) char g_alternateStack[128 * 1024];

bool readMemory(std::uintptr_t address, void* target, std::size_t size) {
    if (g_probe[1] < 0 || ::write(g_probe[1], reinterpret_cast<const void*>(address), size) !=
                              static_cast<ssize_t>(size))
        return false;
    return ::read(g_probe[0], target, size) == static_cast<ssize_t>(size);
}

void rememberStackBounds() {
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0)
        return;
    void* low = nullptr;
    std::size_t size = 0;
    if (pthread_attr_getstack(&attributes, &low, &size) == 0) {
        g_stackLow = reinterpret_cast<std::uintptr_t>(low);
        g_stackHigh = g_stackLow + size;
    }
    pthread_attr_destroy(&attributes);
}

bool isStackOverflow(std::uintptr_t faultAddress, std::uintptr_t stackPointer) {
    const std::uintptr_t distance =
        faultAddress > stackPointer ? faultAddress - stackPointer : stackPointer - faultAddress;
    if (distance < kStackOverflowReach)
        return true;
    // Below the main thread's stack, within the guard gap the system keeps there.
    return g_stackLow != 0 && faultAddress < g_stackLow + 4096 &&
           faultAddress + 2 * 1024 * 1024 >= g_stackLow;
}

// Day, month, year and time of day in the local time of installation, without the time-zone
// functions (they take locks).
void appendDateTime(ReportText& piece) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const long long local = static_cast<long long>(now.tv_sec) + g_nUtcOffset;
    long long days = local / 86400;
    long long seconds = local % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --days;
    }
    // Civil date from days since 1970-01-01.
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    piece.dec(day).text(".").dec(month).text(".").dec(year).text(" ");
    piece.dec(seconds / 3600).text(":");
    piece.dec(seconds / 60 % 60 / 10).dec(seconds / 60 % 10).text(":");
    piece.dec(seconds % 60 / 10).dec(seconds % 10);
}

void writeBanner(int fd) {
    ReportText piece;
    piece.repeat('*', 90).text("\n*").repeat(' ', 23);
    piece.text("Záznam o haváriích programu TAVLIN").repeat(' ', 31).text("*\n");
    piece.repeat('*', 90).text("\n\n");
    piece.writeTo(fd);
}

void writeStackLine(int fd, std::uintptr_t pc, std::uintptr_t frame) {
    LogicalAddress where;
    GetLogicalAddress(pc, where);
    ReportText piece;
    piece.hex(pc, 16).text("  ").hex(frame, 16).text("  ").hex(where.section, 4).text(":");
    piece.hex(where.offset, 8).text(" ").text(where.module).text("\n");
    piece.writeTo(fd);
}

void writeCallStack(int fd, std::uintptr_t pc, std::uintptr_t frame) {
    ReportText piece;
    piece.text("\nZásobník volání:\n");
    piece.text("Address           Frame             Logical addr  Module\n");
    piece.writeTo(fd);
    std::uintptr_t tail[kTailFrames][2] = {};
    long long count = 0;
    for (;;) {
        if (count < kHeadFrames)
            writeStackLine(fd, pc, frame);
        else {
            tail[count % kTailFrames][0] = pc;
            tail[count % kTailFrames][1] = frame;
        }
        ++count;
        std::uintptr_t link[2];
        if (!readMemory(frame, link, sizeof link))
            break;
        const std::uintptr_t next = link[0];
        std::uintptr_t probe[2];
        if (next % sizeof(void*) != 0 || next <= frame || !readMemory(next, probe, sizeof probe))
            break;
        pc = link[1];
        frame = next;
    }
    if (count <= kHeadFrames)
        return;
    const long long rest = count - kHeadFrames;
    const long long shown = rest < kTailFrames ? rest : kTailFrames;
    if (rest > shown) {
        piece.text("... vynecháno rámců: ").dec(rest - shown).text(" ...\n");
        piece.writeTo(fd);
    }
    for (long long i = count - shown; i < count; ++i)
        writeStackLine(fd, tail[i % kTailFrames][0], tail[i % kTailFrames][1]);
}

void writeRegisters(int fd, const ucontext_t* context) {
    ReportText piece;
    piece.text("\nRegistry procesoru:\n");
#if defined(__x86_64__)
    const greg_t* r = context->uc_mcontext.gregs;
    const auto reg = [r](int i) { return static_cast<std::uint64_t>(r[i]); };
    piece.text("RAX:").hex(reg(REG_RAX), 16).text("\tRBX:").hex(reg(REG_RBX), 16);
    piece.text("\tRCX:").hex(reg(REG_RCX), 16).text("\tRDX:").hex(reg(REG_RDX), 16);
    piece.text("\nRSI:").hex(reg(REG_RSI), 16).text("\tRDI:").hex(reg(REG_RDI), 16).text("\n");
    piece.text("R8: ").hex(reg(REG_R8), 16).text("\tR9: ").hex(reg(REG_R9), 16);
    piece.text("\tR10:").hex(reg(REG_R10), 16).text("\tR11:").hex(reg(REG_R11), 16);
    piece.text("\nR12:").hex(reg(REG_R12), 16).text("\tR13:").hex(reg(REG_R13), 16);
    piece.text("\tR14:").hex(reg(REG_R14), 16).text("\tR15:").hex(reg(REG_R15), 16).text("\n");
    // Code, GS, FS and (since Linux 4.6) stack segment, 16 bits each.
    const std::uint64_t segments = reg(REG_CSGSFS);
    piece.text("CS:RIP:").hex(segments & 0xFFFF, 4).text(":").hex(reg(REG_RIP), 16).text("\t");
    piece.text("SS:RSP:").hex(segments >> 48, 4).text(":").hex(reg(REG_RSP), 16);
    piece.text("\tRBP:").hex(reg(REG_RBP), 16).text("\n");
    unsigned short ds = 0;
    unsigned short es = 0;
    asm("mov %%ds, %0" : "=r"(ds));
    asm("mov %%es, %0" : "=r"(es));
    piece.text("DS:").hex(ds, 4).text("  ES:").hex(es, 4);
    piece.text("  FS:").hex((segments >> 32) & 0xFFFF, 4);
    piece.text("  GS:").hex((segments >> 16) & 0xFFFF, 4).text("\n");
    piece.text("Flags:").hex(reg(REG_EFL), 8).text("\n");
#else
    (void)context;
#endif
    piece.writeTo(fd);
}

std::uintptr_t instructionPointer(const ucontext_t* context) {
#if defined(__x86_64__)
    return static_cast<std::uintptr_t>(context->uc_mcontext.gregs[REG_RIP]);
#else
    (void)context;
    return 0;
#endif
}

void writeReport(int fd, int signal, const siginfo_t* info, const ucontext_t* context) {
    ReportText piece;
    piece.text(g_szHeaderBefore);
    if (g_szHeaderBefore[0] != '\0')
        appendDateTime(piece);
    piece.text(g_szHeaderAfter);
    piece.writeTo(fd);

    const std::uintptr_t pc = instructionPointer(context);
#if defined(__x86_64__)
    const auto sp = static_cast<std::uintptr_t>(context->uc_mcontext.gregs[REG_RSP]);
    const auto fp = static_cast<std::uintptr_t>(context->uc_mcontext.gregs[REG_RBP]);
#else
    const std::uintptr_t sp = 0;
    const std::uintptr_t fp = 0;
#endif
    const bool bOverflow = signal == SIGSEGV && info->si_code > 0 &&
                           isStackOverflow(reinterpret_cast<std::uintptr_t>(info->si_addr), sp);
    const CrashCode code = crashCodeOf(signal, info->si_code, bOverflow);
    piece.text("Vyjímka číslo: ").hex(code.code, 8).text(" ").text(code.name).text(" \n");
    piece.writeTo(fd);

    LogicalAddress where;
    GetLogicalAddress(pc, where);
    piece.text("Adresa:  ").hex(pc, 16).text(" ").hex(where.section, 2).text(":");
    piece.hex(where.offset, 8).text(" ").text(where.sectionName).text("\tModul: ");
    piece.text(where.module).text("\n");
    piece.writeTo(fd);

    writeRegisters(fd, context);
    writeCallStack(fd, pc, fp);

    piece.text("\n--------------------------------------[ ***** ]");
    piece.text("-------------------------------------------\n\n\n");
    piece.writeTo(fd);
}

void appendReport(int signal, const siginfo_t* info, const ucontext_t* context) {
    bool bNew = true;
    int fd = ::open(g_szReportPath, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EEXIST) {
        bNew = false;
        fd = ::open(g_szReportPath, O_WRONLY | O_APPEND | O_CLOEXEC);
    }
    if (fd < 0)
        return;
    if (bNew)
        writeBanner(fd);
    writeReport(fd, signal, info, context);
    ::fsync(fd);
    ::close(fd);
}

int previousIndex(int signal) {
    for (int i = 0; i < kSignalCount; ++i)
        if (kSignals[i] == signal)
            return i;
    return -1;
}

void CrashFilter(int signal, siginfo_t* info, void* context) {
    static std::atomic_flag busy;
    if (busy.test_and_set()) {
        // Another thread is writing its report; the process ends when that one is done.
        for (;;)
            ::pause();
    }
    const int savedErrno = errno;
    appendReport(signal, info, static_cast<const ucontext_t*>(context));
    // The course the signal would have taken without us: the handler before ours, or the
    // default action. A fault comes back by itself when its instruction runs again; a signal
    // sent by another process (or by abort) has to be raised again.
    const int i = previousIndex(signal);
    if (i >= 0)
        sigaction(signal, &g_previous[i], nullptr);
    else
        ::signal(signal, SIG_DFL);
    if (info->si_code <= 0)
        raise(signal);
    errno = savedErrno;
}
} // namespace

void installCrashHandler() {
    if (g_bInstalled)
        return;
    // The folder current now, before start-up may change it.
    constexpr char kName[] = "/Tavlin.ERR";
    if (getcwd(g_szReportPath, sizeof g_szReportPath - sizeof kName) != nullptr) {
        const std::size_t length = textLength(g_szReportPath);
        copyText(g_szReportPath + length, sizeof g_szReportPath - length, kName);
    } else {
        copyText(g_szReportPath, sizeof g_szReportPath, kName + 1);
    }
    rememberProgramPath();
    rememberStackBounds();
    if (pipe2(g_probe, O_CLOEXEC | O_NONBLOCK) != 0)
        g_probe[0] = g_probe[1] = -1;
    const time_t now = time(nullptr);
    tm local{};
    if (localtime_r(&now, &local))
        g_nUtcOffset = local.tm_gmtoff;

    stack_t alternate{};
    alternate.ss_sp = g_alternateStack;
    alternate.ss_size = sizeof g_alternateStack;
    sigaltstack(&alternate, nullptr);
    struct sigaction action {};
    action.sa_sigaction = CrashFilter;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < kSignalCount; ++i)
        sigaction(kSignals[i], &action, &g_previous[i]);
    g_bInstalled = true;
}

void uninstallCrashHandler() {
    if (!g_bInstalled)
        return;
    for (int i = 0; i < kSignalCount; ++i)
        sigaction(kSignals[i], &g_previous[i], nullptr);
    g_bInstalled = false;
}

void setCrashHeaderFormat(const QByteArray& format) {
    const qsizetype at = format.indexOf("%s");
    const QByteArray before = at < 0 ? format : format.left(at);
    const QByteArray after = at < 0 ? QByteArray() : format.mid(at + 2);
    copyText(g_szHeaderBefore, sizeof g_szHeaderBefore, before.constData());
    copyText(g_szHeaderAfter, sizeof g_szHeaderAfter, after.constData());
}

const char* crashReportPath() {
    return g_szReportPath;
}
