#pragma once

#include "document/StartPage.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWebEngineView>
#include <functional>

class CTvWebPage;
class CommandTable;
class DocumentFind;
class DocumentPrinter;
class QWebEngineProfile;

// The right pane of the main window: shows the start and help pages and the assembled documents,
// turns the program's own links into requests to the document assembly or the note command, and
// reports the history's back/forward state.
class CTvHtmlView : public QWebEngineView {
    Q_OBJECT
public:
    // The navigation view's OpenDocument: id, anchor ("" or "#..."), day (null = today).
    using DocumentOpener = std::function<bool(int, const QString&, const QDateTime*)>;

    explicit CTvHtmlView(QWidget* parent = nullptr);
    ~CTvHtmlView() override;

    void SetDocumentOpener(DocumentOpener opener) { m_openDocument = std::move(opener); }
    void SetHtmlFolder(const QString& folder);

    // Shows a local file.
    void Navigate2(const QString& path);
    void GoBack();
    void GoForward();
    // Writes Html/Index.html with these favourite links and the news; the shown page stays.
    void BuildStartPage(const QString& links);
    void ShowStartPage();
    void ShowHelpPage();
    // The view's commands: back, forward, the start page, help, copy and print.
    void RegisterCommands(CommandTable& table);
    bool CanGoBack() const { return m_bCanGoBack; }
    bool CanGoForward() const { return m_bCanGoForward; }

    // The document shown (from D<id>.html, T<id>.html, B<id>.html), 0 for any other page.
    int GetCurrentDocumentId() const;

    // Runs `body` as a function of `doc`, the document find and copy act on: that of frame
    // "frm2" on a document page, the page itself elsewhere; `result` gets the return value.
    void RunInTargetDocument(const QString& body,
                             const std::function<void(const QVariant&)>& result);

    // Runs `body` like RunInTargetDocument once the page now loading has finished loading.
    void RunInTargetDocumentWhenLoaded(const QString& body);

    // Find and copy in the page (see DocumentFind); the find state lives there and every
    // completed navigation resets it.
    void FindInText(const QString& text);
    void FindSearchedNext(const QString& expression, const QStringList& words);
    void FindSearchedPrevious(const QString& expression, const QStringList& words);
    void CopyText(bool bSelectAll);
    DocumentFind& GetFind() const { return *m_pFind; }

    // Prints the shown document in its print layout (see DocumentPrinter).
    void OnPrintDocument();
    DocumentPrinter& GetPrinter() const { return *m_pPrinter; }
    // The zoom of the shown pages in percent (50 to 300), kept in the settings.
    int GetZoom() const { return m_nZoom; }
    void SetZoom(int percent);
    // Shows the pages in their dark style (the dark look) or as they are; a shown page is loaded
    // again when this changes.
    void SetDarkDocuments(bool bDark);
    bool HasDarkDocuments() const { return m_bDarkDocuments; }
    // Whether the view was the last of the window's panes to have the focus.
    bool IsActiveView() const { return m_bActiveView; }

protected:
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void commandStateChanged(bool bCanGoBack, bool bCanGoForward);
    void noteRequested();
    // Back or forward has brought this page (a document page carries its day in its name).
    void historyPageShown(const QUrl& url);

private:
    // The link protocol; true when the request is cancelled.
    bool OnBeforeNavigate2(const QString& url);
    void OnNavigateComplete2();
    void UpdateHistoryState();
    void OnRenderProcessTerminated(int status);
    void OnFocusChanged(QWidget* now);
    void CopyToFocusWidget();
    void SaveAsPdf();

    QWebEngineProfile* m_pProfile = nullptr;
    CTvWebPage* m_pPage = nullptr;
    DocumentOpener m_openDocument;
    QString m_strHtmlFolder;
    StartPage m_startPage;
    bool m_bCanGoBack = false;
    bool m_bCanGoForward = false;
    int m_nReloads = 0;
    QString m_strPendingScript;
    DocumentFind* m_pFind = nullptr;
    DocumentPrinter* m_pPrinter = nullptr;
    bool m_bActiveView = true;
    bool m_bHistoryMove = false;
    int m_nZoom = 100;
    bool m_bDarkDocuments = false;
};
