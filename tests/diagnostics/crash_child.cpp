// A program that brings itself down in the way its first argument names, with the crash report
// installed as the reader installs it: "divide", "null", "overflow", "abort", or "wait" (prints
// "ready" and waits for a signal from outside). "--as-nobody" drops root rights first.
#include "diagnostics/CrashReport.h"
#include "diagnostics/SystemInfo.h"

#include <QDir>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

static CrashGuard g_crashGuard;

namespace {
volatile int g_nZero = 0;
// Read at run time, so that the compiler cannot see the null pointer and drop the write.
volatile std::uintptr_t g_nNullAddress = 0;
volatile int g_nSink = 0;

__attribute__((noinline, no_sanitize("undefined"))) void divideByZero() {
    g_nSink = 100 / g_nZero;
}

__attribute__((noinline, no_sanitize("undefined"))) void writeThroughNull() {
    *reinterpret_cast<volatile int*>(g_nNullAddress) = 1;
}

int recurse(int depth);
// Called through a variable, so that the compiler cannot turn the recursion into a loop.
int (*volatile g_pRecurse)(int) = recurse;

__attribute__((noinline)) int recurse(int depth) {
    volatile char pad[256];
    pad[0] = static_cast<char>(depth);
    return g_pRecurse(depth + 1) + pad[0];
}

__attribute__((noinline)) void crashAs(const char* mode) {
    if (std::strcmp(mode, "divide") == 0)
        divideByZero();
    else if (std::strcmp(mode, "null") == 0)
        writeThroughNull();
    else if (std::strcmp(mode, "overflow") == 0)
        g_nSink = recurse(0);
    else if (std::strcmp(mode, "abort") == 0)
        std::abort();
    else if (std::strcmp(mode, "wait") == 0) {
        std::puts("ready");
        std::fflush(stdout);
        for (;;)
            pause();
    }
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    BuildCrashHeader(QDir::currentPath());
    if (argc > 2 && std::strcmp(argv[2], "--as-nobody") == 0 && geteuid() == 0 &&
        (setgid(65534) != 0 || setuid(65534) != 0))
        return 3;
    crashAs(argv[1]);
    return 0;
}
