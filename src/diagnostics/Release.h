#pragma once

// The release shown by the About dialog, the system information and every crash report.
inline constexpr char kRelease[] = "10000.3 (11.1.2012)";
