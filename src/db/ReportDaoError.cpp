#include "db/ReportDaoError.h"

#include "db/DaoException.h"
#include "platform/Messages.h"
#include "platform/Strings.h"

void ReportDaoError(unsigned idText, const DaoException& e) {
    QString text = idText ? LoadResString(idText) : QString();
    if (!text.isEmpty())
        text += QStringLiteral("\n\n");
    text += e.description();
    ShowMessage(text, MessageIcon::Error);
}
