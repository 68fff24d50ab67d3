#include "app/CommandLineInfo.h"

#include "platform/LaunchFlags.h"

void CTavlinCommandLineInfo::ParseParam(const QString& param, bool bFlag) {
    if (!bFlag) {
        if (m_strFileName.isEmpty())
            m_strFileName = param;
        return;
    }
    if (param == QLatin1String("QrmL568421563")) {
        m_bShellLaunch = true;
        g_bRefreshAfterDde = g_bSkipContentsFill = g_bSkipRegisterFill = g_bSkipIndexFill = 1;
    } else if (param == QLatin1String("register")) {
        m_bRegister = true;
    }
}

void CTavlinCommandLineInfo::ParseCommandLine(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--folder") && i + 1 < arguments.size()) {
            m_strFolder = arguments[++i];
            continue;
        }
        const bool bFlag =
            argument.startsWith(QLatin1Char('/')) || argument.startsWith(QLatin1Char('-'));
        ParseParam(bFlag ? argument.mid(1) : argument, bFlag);
    }
}
