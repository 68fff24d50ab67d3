#pragma once

#include "document/StartPage.h"

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <QWebEngineView>
#include <functional>

class CTvWebPage;
class CommandTable;
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
    // The view's commands: back, forward, the start page and help.
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

    // The state of the last find in the document, reset by every completed navigation.
    QString m_strFindText;
    int m_nFindBookmark = -1;   // character offset of the last find-in-text hit, -1 = none
    int m_nSearchBookmark = -1; // character offset of the last searched-word hit, -1 = none

signals:
    void commandStateChanged(bool bCanGoBack, bool bCanGoForward);
    void noteRequested();

private:
    // The link protocol; true when the request is cancelled.
    bool OnBeforeNavigate2(const QString& url);
    void OnNavigateComplete2();
    void UpdateHistoryState();
    void OnRenderProcessTerminated(int status);

    QWebEngineProfile* m_pProfile = nullptr;
    CTvWebPage* m_pPage = nullptr;
    DocumentOpener m_openDocument;
    QString m_strHtmlFolder;
    StartPage m_startPage;
    bool m_bCanGoBack = false;
    bool m_bCanGoForward = false;
    int m_nReloads = 0;
    QString m_strPendingScript;
};
