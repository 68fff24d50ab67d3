#include "document/ZoomSteps.h"
#include "document/ui/DocumentFind.h"
#include "document/ui/DocumentPrinter.h"
#include "document/ui/TvHtmlView.h"
#include "platform/CommandTable.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

// The view's commands and the operations behind them; find and print go to their own classes.

void CTvHtmlView::RegisterCommands(CommandTable& table) {
    table.add(
        ID_GO_BACK, [this](int) { GoBack(); }, [this] { return m_bCanGoBack; });
    table.add(
        ID_GO_FORWARD, [this](int) { GoForward(); }, [this] { return m_bCanGoForward; });
    table.add(ID_START_PAGE, [this](int) { ShowStartPage(); });
    table.add(ID_HELP, [this](int) { ShowHelpPage(); });
    table.add(ID_EDIT_COPY, [this](int) {
        if (m_bActiveView)
            CopyText(false);
        else
            CopyToFocusWidget();
    });
    table.add(ID_EDIT_COPY_ALL, [this](int) { CopyText(true); });
    table.add(ID_FILE_PRINT, [this](int) { OnPrintDocument(); });
    table.add(ID_FILE_PRINT_PREVIEW, [this](int) { m_pPrinter->PrintPreview(); });
    table.add(ID_FILE_SAVE_PDF, [this](int) { SaveAsPdf(); });
    table.add(ID_ZOOM_IN, [this](int) { SetZoom(stepZoom(m_nZoom, 1)); });
    table.add(ID_ZOOM_OUT, [this](int) { SetZoom(stepZoom(m_nZoom, -1)); });
    table.add(ID_ZOOM_RESET, [this](int) { SetZoom(kZoomDefault); });
}

void CTvHtmlView::FindInText(const QString& text) {
    m_pFind->FindInText(text);
}

void CTvHtmlView::FindSearchedNext(const QString& expression, const QStringList& words) {
    m_pFind->FindSearchedNext(expression, words);
}

void CTvHtmlView::FindSearchedPrevious(const QString& expression, const QStringList& words) {
    m_pFind->FindSearchedPrevious(expression, words);
}

void CTvHtmlView::CopyText(bool bSelectAll) {
    m_pFind->CopyText(bSelectAll);
}

void CTvHtmlView::OnPrintDocument() {
    m_pPrinter->OnPrintDocument();
}

void CTvHtmlView::OnFocusChanged(QWidget* now) {
    // The panes are the view's siblings; the bars and the find box leave the active view as is.
    if (!now)
        return;
    if (now == this || isAncestorOf(now))
        m_bActiveView = true;
    else if (parentWidget() && parentWidget()->isAncestorOf(now))
        m_bActiveView = false;
}

void CTvHtmlView::CopyToFocusWidget() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(focus))
        focus = combo->lineEdit();
    if (auto* edit = qobject_cast<QLineEdit*>(focus))
        edit->copy();
    else if (auto* text = qobject_cast<QTextEdit*>(focus))
        text->copy();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus))
        plain->copy();
}

void CTvHtmlView::SaveAsPdf() {
    const QString file = QFileDialog::getSaveFileName(this, LoadResString(IDS_SAVE_PDF_TITLE),
                                                      QStringLiteral("Dokument.pdf"),
                                                      LoadResString(IDS_SAVE_PDF_FILTER));
    if (!file.isEmpty())
        m_pPrinter->SaveAsPdf(file);
}
