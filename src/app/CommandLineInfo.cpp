#include "app/CommandLineInfo.h"

#include "app/UrlProtocol.h"
#include "platform/LaunchFlags.h"

namespace {
const QLatin1String kShellLaunchSwitch("QrmL568421563");
} // namespace

void CTavlinCommandLineInfo::ParseParam(const QString& param, bool bFlag) {
    if (!bFlag) {
        if (m_strFileName.isEmpty())
            m_strFileName = param;
        return;
    }
    if (param == kShellLaunchSwitch) {
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
    // A link is served the same way whether the shell's entry names the switch or (as the menu
    // entry of the installed reader does) only the link; the switch without a link has nothing
    // to wait for and starts the reader as usual.
    const bool bLink = designationFromLink(m_strFileName).has_value();
    if (bLink && !m_bShellLaunch) {
        ParseParam(kShellLaunchSwitch, true);
    } else if (!bLink && m_bShellLaunch) {
        m_bShellLaunch = false;
        g_bRefreshAfterDde = g_bSkipContentsFill = g_bSkipRegisterFill = g_bSkipIndexFill = 0;
    }
}
