#include "app/ui/PrintPdfCommand.h"

#include "app/PrintPdfRequest.h"
#include "app/ui/TavlinApp.h"
#include "document/DocumentAssembler.h"
#include "document/ui/DocumentPrinter.h"
#include "document/ui/TvWebPage.h"
#include "platform/Messages.h"
#include "platform/ProgramFolders.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QWebEngineProfile>
#include <cstdio>

namespace {
int fail(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return 1;
}
} // namespace

int runPrintPdf(CTavlinApp& app, const PrintPdfRequest& request) {
    // Every message of the run goes to standard error.
    setMessagePresenter(nullptr);
    if (!request.m_strError.isEmpty())
        return fail(request.m_strError);
    ProgramFolders checked;
    if (!checked.CheckFolders(false, app.applicationFilePath(), request.m_strFolder))
        return 1;
    app.SetProgramFolder(checked.GetProgramFolder());
    if (!app.OpenDatabase())
        return 1;

    QString frameset;
    DocumentHooks hooks;
    hooks.navigate = [&frameset](const QString& path) { frameset = path; };
    DocumentAssembler assembler(*app.database(), app.folders(), hooks);
    const QDateTime day(request.m_date, QTime(0, 0));
    if (!assembler.OpenDocument(request.m_nId, QString(),
                                request.m_date.isValid() ? &day : nullptr))
        return fail(LoadResString(IDS_INVALID_LINK));
    frameset.clear();
    assembler.ShowPrintVersion();
    if (frameset.isEmpty())
        return fail(LoadResString(IDS_PRINT_PDF_FAILED).arg(request.m_strFile));
    const QString body =
        app.folders().GetWorkingFolder() + QStringLiteral("/B%1.html").arg(request.m_nId);

    // A profile of its own in memory, that loads nothing from the network.
    QWebEngineProfile profile;
    profile.setUrlRequestInterceptor(new CLocalContentInterceptor(&profile));
    int result = 1;
    DocumentPrinter::PrintPageToPdf(
        &profile, QUrl::fromLocalFile(body), request.m_strFile, &app,
        [&result, &request](bool bOk) {
            result = bOk ? 0 : 1;
            if (!bOk)
                fail(LoadResString(IDS_PRINT_PDF_FAILED).arg(request.m_strFile));
            QCoreApplication::exit(result);
        });
    app.exec();
    // The page goes before its profile.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
