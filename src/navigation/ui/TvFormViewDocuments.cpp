#include "db/DaoException.h"
#include "db/ReportDaoError.h"
#include "document/DocumentAssembler.h"
#include "document/VersionCompare.h"
#include "navigation/ui/NavigationApp.h"
#include "navigation/ui/TvFormView.h"
#include "platform/Clock.h"

// The document operations of the pane go to the assembler, which writes the pages into the
// working folder and has the document view navigate to them.

void CTvFormView::setDocumentTarget(std::function<void(const QString&)> navigate,
                                    std::function<void()> refresh, std::function<void()> print) {
    m_navigate = std::move(navigate);
    m_refresh = std::move(refresh);
    m_print = std::move(print);
}

void CTvFormView::setNoteSource(std::function<QString(const QString&)> noteText) {
    m_noteText = std::move(noteText);
}

DocumentAssembler* CTvFormView::assembler() {
    Database* database = m_app.database();
    if (!database)
        return nullptr;
    // The collection can be reopened; the assembler works on the one open now.
    if (!m_pAssembler || m_pAssemblerDatabase != database) {
        DocumentHooks hooks;
        hooks.navigate = [this](const QString& file) {
            if (m_navigate)
                m_navigate(file);
        };
        hooks.refresh = [this] {
            if (m_refresh)
                m_refresh();
        };
        hooks.currentPage = [this] { return m_nCurPage; };
        hooks.noteText = [this](const QString& name) {
            return m_noteText ? m_noteText(name) : QString();
        };
        hooks.chosenDay = [this] { return m_validOnDay; };
        m_pAssembler = std::make_unique<DocumentAssembler>(*database, m_app.folders(), hooks);
        m_pAssemblerDatabase = database;
    }
    return m_pAssembler.get();
}

bool CTvFormView::OpenDocument(int id, const QString& anchor, const QDateTime* validOn) {
    DocumentAssembler* a = assembler();
    return a && a->OpenDocument(id, anchor, validOn);
}

void CTvFormView::ShowDocument(int id, const QString& title, const QString& anchor,
                               const QDateTime* validOn) {
    if (DocumentAssembler* a = assembler())
        a->ShowDocument(id, title, anchor, validOn);
}

bool CTvFormView::ShowComparison(int id, const QDate& before, const QDate& after) {
    DocumentAssembler* a = assembler();
    return a && a->ShowComparison(id, before, after);
}

std::pair<QDate, QDate> CTvFormView::DefaultComparisonDays(int id) {
    const QDate today = currentDateTime().date();
    Database* database = m_app.database();
    if (!database)
        return {today, today};
    try {
        return defaultComparisonDays(*database, id, today);
    } catch (const DaoException& e) {
        ReportDaoError(0, e);
        return {today, today};
    }
}

void CTvFormView::OpenByDesignation(const QString& ozn) {
    if (DocumentAssembler* a = assembler())
        a->OpenByDesignation(ozn);
}

void CTvFormView::OpenFixedLaw(unsigned nCmd) {
    if (DocumentAssembler* a = assembler())
        a->OpenFixedLaw(nCmd);
}

void CTvFormView::ShowPrintVersion() {
    if (DocumentAssembler* a = assembler())
        a->ShowPrintVersion();
}

void CTvFormView::RefreshTitlePage(int id, const QString& title) {
    if (DocumentAssembler* a = assembler())
        a->RefreshTitlePage(id, title);
}

QString CTvFormView::GetDocumentName(int id, QString& display) {
    DocumentAssembler* a = assembler();
    return a ? a->GetDocumentName(id, display) : QString();
}

QString CTvFormView::GetDocumentDesignation(int id) {
    DocumentAssembler* a = assembler();
    return a ? a->GetDocumentDesignation(id) : QString();
}

int CTvFormView::FindDocumentByName(const QString& pattern, QString& display) {
    DocumentAssembler* a = assembler();
    return a ? a->FindDocumentByName(pattern, display) : 0;
}
