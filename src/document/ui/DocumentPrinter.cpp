#include "document/ui/DocumentPrinter.h"

#include "document/ui/TvHtmlView.h"

#include <QEventLoop>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {
// The print version needs this long to load before it is printed.
constexpr int kPrintDelayMs = 1000;

bool runPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
} // namespace

DocumentPrinter::DocumentPrinter(CTvHtmlView& view) : QObject(&view), m_view(view) {
    m_printTimer.setSingleShot(true);
    m_printTimer.setInterval(kPrintDelayMs);
    connect(&m_printTimer, &QTimer::timeout, this, &DocumentPrinter::OnTimer);
    m_printDialog = [this](QPrinter& printer) { return runPrintDialog(printer, &m_view); };
}

DocumentPrinter::~DocumentPrinter() = default;

void DocumentPrinter::OnPrintDocument() {
    Schedule(Output::Printer, QString());
}

void DocumentPrinter::PrintPreview() {
    Schedule(Output::Preview, QString());
}

void DocumentPrinter::SaveAsPdf(const QString& file) {
    Schedule(Output::Pdf, file);
}

void DocumentPrinter::Schedule(Output output, const QString& pdfFile) {
    if (m_showPrintVersion)
        m_showPrintVersion();
    m_output = output;
    m_strPdfFile = pdfFile;
    m_printTimer.start();
}

void DocumentPrinter::OnTimer() {
    // One print at a time; a request while printing is dropped.
    if (IsPrinting())
        return;
    m_view.RunInTargetDocument(QStringLiteral("return doc.location.href;"),
                               [this](const QVariant& href) {
                                   if (IsPrinting())
                                       return;
                                   PrintUrl(QUrl(href.toString()));
                               });
}

void DocumentPrinter::PrintUrl(const QUrl& url) {
    if (!url.isValid() || url.isEmpty()) {
        emit printFinished(false);
        return;
    }
    if (m_output == Output::Pdf) {
        m_bPrintingPdf = true;
        PrintPageToPdf(m_view.page()->profile(), url, m_strPdfFile, this, [this](bool bOk) {
            m_bPrintingPdf = false;
            Finish(bOk);
        });
        return;
    }
    m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (m_output == Output::Printer && !m_printDialog(*m_pPrinter)) {
        Finish(false);
        return;
    }
    LoadForPrinting(url, [this] {
        if (m_output == Output::Printer) {
            connect(m_pPrintView.get(), &QWebEngineView::printFinished, this,
                    [this](bool bOk) { Finish(bOk); });
            m_pPrintView->print(m_pPrinter.get());
            return;
        }
        QPrintPreviewDialog preview(m_pPrinter.get(), &m_view);
        connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
            // The preview paints synchronously; the page prints asynchronously.
            QEventLoop loop;
            connect(m_pPrintView.get(), &QWebEngineView::printFinished, &loop, &QEventLoop::quit);
            m_pPrintView->print(printer);
            loop.exec();
        });
        preview.exec();
        Finish(true);
    });
}

void DocumentPrinter::LoadForPrinting(const QUrl& url, const std::function<void()>& loaded) {
    m_pPrintView = std::make_unique<QWebEngineView>();
    m_pPrintView->setPage(new QWebEnginePage(m_view.page()->profile(), m_pPrintView.get()));
    connect(
        m_pPrintView.get(), &QWebEngineView::loadFinished, this,
        [this, loaded](bool bOk) {
            if (bOk)
                loaded();
            else
                Finish(false);
        },
        Qt::SingleShotConnection);
    m_pPrintView->load(url);
}

void DocumentPrinter::Finish(bool bOk) {
    // The page may still be inside its own signal: let it go later.
    if (m_pPrintView)
        m_pPrintView.release()->deleteLater();
    m_pPrinter.reset();
    emit printFinished(bOk);
}

void DocumentPrinter::PrintPageToPdf(QWebEngineProfile* profile, const QUrl& url,
                                     const QString& file, QObject* context,
                                     std::function<void(bool)> done) {
    auto* page = new QWebEnginePage(profile, context);
    QObject::connect(
        page, &QWebEnginePage::loadFinished, context,
        [page, file, done](bool bOk) {
            if (!bOk) {
                page->deleteLater();
                done(false);
                return;
            }
            page->printToPdf(file);
        },
        Qt::SingleShotConnection);
    QObject::connect(page, &QWebEnginePage::pdfPrintingFinished, context,
                     [page, done](const QString&, bool bOk) {
                         page->deleteLater();
                         done(bOk);
                     });
    page->load(url);
}
