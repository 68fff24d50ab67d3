#pragma once

#include "navigation/ui/PageFactories.h"

#include <QDateTime>
#include <QString>
#include <QVector>
#include <QWidget>
#include <functional>
#include <memory>

class CommandTable;
class CsFormPage;
class Database;
class DocumentAssembler;
class NavigationApp;
class QLabel;
class QTabBar;

// The left pane of the main window: the tab strip with one navigation page per tab, and the
// document operations (assembly into the working folder, then the document view navigates).
class CTvFormView : public QWidget {
    Q_OBJECT
public:
    // The narrowest the pane may be; the splitter keeps it at least this wide.
    static constexpr int kMinPaneWidth = 390;

    // The pages come from `pages` by dialog template; a template without a factory gets a plain
    // page with its controls.
    explicit CTvFormView(NavigationApp& app, PageFactories pages = navigationPageFactories(),
                         QWidget* parent = nullptr);
    ~CTvFormView() override;

    // Where assembled documents go: navigate to a file, refresh the shown page (a changed note
    // icon) and print the shown document. Set by the frame once the document view exists.
    void setDocumentTarget(std::function<void(const QString&)> navigate,
                           std::function<void()> refresh, std::function<void()> print);
    // The note text of a document name (the title page shows an icon for a note).
    void setNoteSource(std::function<QString(const QString&)> noteText);

    int GetPageCount() const { return static_cast<int>(m_arrPages.size()); }
    CsFormPage* GetCurrentPage() const { return GetPage(m_nCurPage); }
    CsFormPage* GetPage(int i) const;
    QString GetCurrentCounterText() const;
    QTabBar* GetTabWnd() const { return m_wndTab; }

    // Shows page `n` and puts its counter into the status bar (the tab strip's selection).
    void OnTabChange(int n);
    // The print command: the document view prints the shown document.
    void OnFilePrint();
    // Repaints the view and its pages after the look colour changed.
    void ApplyLookColour();

    // Document operations; `validOn` null means now.
    bool OpenDocument(int id, const QString& anchor, const QDateTime* validOn);
    void ShowDocument(int id, const QString& title, const QString& anchor,
                      const QDateTime* validOn);
    void OpenByDesignation(const QString& ozn);
    void OpenFixedLaw(unsigned nCmd);
    // The day documents opened without a day of their own are shown as valid on (invalid:
    // today); kept for this run only.
    void SetValidOnDay(const QDate& day) { m_validOnDay = day; }
    QDate GetValidOnDay() const { return m_validOnDay; }
    // The comparison page of the document's texts on two days, and the days it starts with.
    bool ShowComparison(int id, const QDate& before, const QDate& after);
    std::pair<QDate, QDate> DefaultComparisonDays(int id);
    // The pane's commands: the fixed laws.
    void RegisterCommands(CommandTable& table);
    void ShowPrintVersion();
    void RefreshTitlePage(int id, const QString& title);
    QString GetDocumentName(int id, QString& display);
    QString GetDocumentDesignation(int id);
    int FindDocumentByName(const QString& pattern, QString& display);

    int m_nCurPage = 0;
    // The pane's width in pixels: from the settings at construction, kept by resizing; the frame
    // stores it at close.
    int m_nPaneWidth = 434;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnInitialUpdate();
    void AddPage(int nTemplate, const QString& caption);
    CsFormPage* CreatePage(int nTemplate);
    void OnSize(int cx, int cy);
    DocumentAssembler* assembler();

    NavigationApp& m_app;
    PageFactories m_pageFactories;
    QTabBar* m_wndTab = nullptr;
    QLabel* m_pPageFrame = nullptr;
    QVector<CsFormPage*> m_arrPages;
    std::function<void(const QString&)> m_navigate;
    std::function<void()> m_refresh;
    std::function<void()> m_print;
    std::function<QString(const QString&)> m_noteText;
    std::unique_ptr<DocumentAssembler> m_pAssembler;
    Database* m_pAssemblerDatabase = nullptr;
    QDate m_validOnDay;
};
