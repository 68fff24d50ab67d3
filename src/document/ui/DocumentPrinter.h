#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

class CTvHtmlView;
class QPrinter;
class QWebEngineProfile;
class QWebEngineView;

// Printing of the shown document. The print version is shown first and printed a second later,
// once it has loaded; a second request within that second restarts the wait, so two presses
// print once. What is printed is the page find acts on (the body frame of a document), loaded
// into a page of its own that, with the printer, lives until printing has finished.
class DocumentPrinter : public QObject {
    Q_OBJECT
public:
    enum class Output { Printer, Preview, Pdf };
    // Asks the user how to print; false cancels. Tests replace the print dialog.
    using PrintDialog = std::function<bool(QPrinter& printer)>;

    explicit DocumentPrinter(CTvHtmlView& view);
    ~DocumentPrinter() override;

    // Shows the current document in its print layout (the navigation view's ShowPrintVersion).
    void SetPrintVersionSource(std::function<void()> show) { m_showPrintVersion = std::move(show); }
    void SetPrintDialog(PrintDialog dialog) { m_printDialog = std::move(dialog); }

    // The print command: print version, then the print dialog a second later.
    void OnPrintDocument();
    void PrintPreview();
    void SaveAsPdf(const QString& file);

    // True from the start of printing until it has finished.
    bool IsPrinting() const { return m_pPrinter || m_bPrintingPdf; }

    // Loads `url` into a page of `profile` and writes it to `file` as PDF; `done` gets the result.
    static void PrintPageToPdf(QWebEngineProfile* profile, const QUrl& url, const QString& file,
                               QObject* context, std::function<void(bool)> done);

signals:
    // Printing has ended (printed, preview closed, PDF written), or failed or was cancelled.
    void printFinished(bool bOk);

private:
    void Schedule(Output output, const QString& pdfFile);
    void OnTimer();
    void PrintUrl(const QUrl& url);
    void LoadForPrinting(const QUrl& url, const std::function<void()>& loaded);
    void Finish(bool bOk);

    CTvHtmlView& m_view;
    std::function<void()> m_showPrintVersion;
    PrintDialog m_printDialog;
    QTimer m_printTimer;
    Output m_output = Output::Printer;
    QString m_strPdfFile;
    std::unique_ptr<QPrinter> m_pPrinter;
    std::unique_ptr<QWebEngineView> m_pPrintView;
    bool m_bPrintingPdf = false;
};
