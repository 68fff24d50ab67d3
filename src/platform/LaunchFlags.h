#pragma once

// One-shot flags of a start through the tavlin: protocol; the command line sets them, each
// consumer clears its own.
extern int g_bRefreshAfterDde;
extern int g_bSkipContentsFill;
extern int g_bSkipRegisterFill;
extern int g_bSkipIndexFill;
