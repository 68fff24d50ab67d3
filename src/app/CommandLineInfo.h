#pragma once

#include <QStringList>

// Switches of the reader's command line; "/" or "-" starts a switch, compared case-sensitively.
struct CTavlinCommandLineInfo {
    bool m_bRegister = false;
    bool m_bShellLaunch = false;

    void ParseParam(const QString& param, bool bFlag);
    void ParseCommandLine(const QStringList& arguments);
};

// One-shot flags of a start through the tavlin: protocol; each consumer clears its own.
extern int g_bRefreshAfterDde;
extern int g_bSkipContentsFill;
extern int g_bSkipRegisterFill;
extern int g_bSkipIndexFill;
