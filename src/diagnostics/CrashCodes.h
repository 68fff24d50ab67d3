#pragma once

#include <cstdint>

// The code and name a fault signal is reported under, in the numbering of the report's readers.
struct CrashCode {
    std::uint32_t code;
    const char* name;
};

// The end of the program by abort(), which has no code of the system's own.
inline constexpr std::uint32_t kAbortCode = 0xE0000006;

// The code for a signal with its si_code; `bStackOverflow` marks a fault next to the stack.
// Signals sent with kill carry no fault kind and are reported under the signal's usual code.
CrashCode crashCodeOf(int signal, int siCode, bool bStackOverflow);
