#include "platform/LaunchFlags.h"

int g_bRefreshAfterDde = 0;
int g_bSkipContentsFill = 0;
int g_bSkipRegisterFill = 0;
int g_bSkipIndexFill = 0;
