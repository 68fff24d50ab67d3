#include "diagnostics/CrashCodes.h"

#include <csignal>

CrashCode crashCodeOf(int signal, int siCode, bool bStackOverflow) {
    const bool bFault = siCode > 0;
    switch (signal) {
    case SIGSEGV:
        if (bStackOverflow)
            return {0xC00000FD, "STACK_OVERFLOW"};
        return {0xC0000005, "ACCESS_VIOLATION"};
    case SIGFPE:
        if (bFault) {
            switch (siCode) {
            case FPE_INTOVF:
                return {0xC0000095, "INT_OVERFLOW"};
            case FPE_FLTDIV:
                return {0xC000008E, "FLT_DIVIDE_BY_ZERO"};
            case FPE_FLTOVF:
                return {0xC0000091, "FLT_OVERFLOW"};
            case FPE_FLTUND:
                return {0xC0000093, "FLT_UNDERFLOW"};
            case FPE_FLTRES:
                return {0xC000008F, "FLT_INEXACT_RESULT"};
            case FPE_FLTINV:
                return {0xC0000090, "FLT_INVALID_OPERATION"};
            case FPE_FLTSUB:
                return {0xC000008C, "ARRAY_BOUNDS_EXCEEDED"};
            default:
                break;
            }
        }
        return {0xC0000094, "INT_DIVIDE_BY_ZERO"};
    case SIGILL:
        if (bFault && (siCode == ILL_PRVOPC || siCode == ILL_PRVREG))
            return {0xC0000096, "PRIV_INSTRUCTION"};
        return {0xC000001D, "ILLEGAL_INSTRUCTION"};
    case SIGBUS:
        if (bFault && siCode == BUS_ADRALN)
            return {0x80000002, "DATATYPE_MISALIGNMENT"};
        return {0xC0000006, "IN_PAGE_ERROR"};
    case SIGABRT:
        return {kAbortCode, "ABORT"};
    default:
        return {0, "UNKNOWN"};
    }
}
