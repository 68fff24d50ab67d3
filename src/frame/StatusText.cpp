#include "frame/StatusText.h"

#include "platform/ResourceIds.h"
#include "platform/Strings.h"

QString chooseStatusText(unsigned nId, const QString& idleText) {
    const QString s = nId != 0 ? LoadResString(nId) : QString();
    if (nId == IDS_IDLE_MESSAGE || s.isEmpty() || s.contains(QLatin1String("javascript:sestavDoc")))
        return idleText;
    return commandPrompt(s);
}

QString commandPrompt(const QString& commandString) {
    return commandString.section(QLatin1Char('\n'), 0, 0);
}

QString commandTooltip(const QString& commandString) {
    return commandString.section(QLatin1Char('\n'), 1, 1);
}
