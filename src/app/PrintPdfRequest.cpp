#include "app/PrintPdfRequest.h"

#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QDir>

PrintPdfRequest parsePrintPdfRequest(const QStringList& arguments, const QString& currentFolder) {
    PrintPdfRequest request;
    request.m_bRequested = arguments.contains(QStringLiteral("--print-pdf"));
    if (!request.m_bRequested)
        return request;
    const QString usage = LoadResString(IDS_PRINT_PDF_USAGE);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("--"))) {
            request.m_strError = usage;
            return request;
        }
        const QString value = arguments[++i];
        if (name == QLatin1String("--print-pdf")) {
            request.m_strFile = QDir(currentFolder).absoluteFilePath(value);
        } else if (name == QLatin1String("--id")) {
            bool ok = false;
            request.m_nId = value.toInt(&ok);
            if (!ok || request.m_nId <= 0) {
                request.m_strError = usage;
                return request;
            }
        } else if (name == QLatin1String("--date")) {
            request.m_date = QDate::fromString(value, Qt::ISODate);
            if (!request.m_date.isValid() || value.size() != 10) {
                request.m_strError = LoadResString(IDS_PRINT_PDF_BAD_DATE).arg(value);
                return request;
            }
        } else if (name == QLatin1String("--folder")) {
            request.m_strFolder = value;
        } else {
            request.m_strError = usage;
            return request;
        }
    }
    if (request.m_strFile.isEmpty() || request.m_nId == 0)
        request.m_strError = usage;
    return request;
}
