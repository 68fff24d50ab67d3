#pragma once

#include <QByteArray>

// The crash report. While installed, a fault signal (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT)
// appends a report to Tavlin.ERR in the folder that was current at installation: the header of
// BuildCrashHeader with the date, the code and name of the fault, the module, section and offset
// of the faulting instruction, the registers and the frame-pointer chain. Then the signal takes
// the course it would have taken without the report, so the program still dies of it.

void installCrashHandler();
void uninstallCrashHandler();

// The header each report begins with: a text with one "%s" for the date and time.
void setCrashHeaderFormat(const QByteArray& format);

// The report file chosen at installation.
const char* crashReportPath();

// Installs the handlers for its lifetime; a static object of the program's, so that the report
// covers the whole run from static initialisation on.
class CrashGuard {
public:
    CrashGuard() { installCrashHandler(); }
    ~CrashGuard() { uninstallCrashHandler(); }
    CrashGuard(const CrashGuard&) = delete;
    CrashGuard& operator=(const CrashGuard&) = delete;
};
