#include "frame/ui/FavouritesMenu.h"

#include "document/DocumentAssembler.h"
#include "document/ui/TvHtmlView.h"
#include "frame/FavouritesList.h"
#include "frame/ui/CommandBars.h"
#include "frame/ui/FrameHost.h"
#include "frame/ui/MainFrame.h"
#include "navigation/ui/CsOblibenePage.h"
#include "navigation/ui/TvFormView.h"
#include "navigation/ui/WaitCursor.h"
#include "platform/CommandTable.h"
#include "platform/Messages.h"
#include "platform/ResourceIds.h"
#include "userdata/XmlStore.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
CsOblibenePage* favouritesPage(const CTvFormView& view) {
    for (int i = 0; i < view.GetPageCount(); ++i)
        if (auto* page = dynamic_cast<CsOblibenePage*>(view.GetPage(i)))
            return page;
    return nullptr;
}

bool isFixedLaw(const QString& ozn) {
    for (const char* fixed : g_arrFixedLaws)
        if (ozn == QLatin1String(fixed))
            return true;
    return false;
}
} // namespace

FavouritesMenu::FavouritesMenu(CMainFrame& frame, FrameHost& app)
    : QObject(&frame), m_frame(frame), m_app(app) {}

void FavouritesMenu::RegisterCommands(CommandTable& table) {
    table.add(
        ID_FAVOURITE_ADD, [this](int) { ChangeFavourite(true); }, [this] { return CanAdd(); });
    table.add(
        ID_FAVOURITE_REMOVE, [this](int) { ChangeFavourite(false); },
        [this] { return CanRemove(); });
    table.addRange(kFirstFavouriteCmd, kLastFavouriteCmd, [this](int id) { OnFavourite(id); });
}

QMenu* FavouritesMenu::FavouritesPopup() const {
    for (QAction* popup : m_frame.menuBar()->actions())
        if (QMenu* menu = popup->menu())
            for (QAction* item : menu->actions())
                if (item->data().toInt() == ID_FAVOURITE_ADD)
                    return menu;
    return nullptr;
}

void FavouritesMenu::RebuildFavourites() {
    CTvFormView& nav = *m_frame.GetNavView();
    CXmlStore store(m_app.folders());
    const FavouritesList list = collectFavourites(m_app.database(), store.GetFavourites(),
                                                  [&nav](const QString& pattern, QString& title) {
                                                      return nav.FindDocumentByName(pattern, title);
                                                  });

    // The user's favourites stand after the menu's last separator.
    QMenu* popup = FavouritesPopup();
    if (popup) {
        const QList<QAction*> items = popup->actions();
        qsizetype first = items.size();
        while (first > 0 && !items[first - 1]->isSeparator())
            --first;
        for (qsizetype i = first; i < items.size(); ++i)
            popup->removeAction(items[i]);
    }
    m_arrFavouriteCmds.clear();
    CsOblibenePage* page = favouritesPage(nav);
    if (page)
        page->DeleteAllItems();
    for (const FavouriteRow& row : list.fixedLaws)
        if (page)
            page->AddItem(row.id, row.title);
    int nCmd = kFirstFavouriteCmd;
    for (const FavouriteRow& row : list.userFavourites) {
        // Beyond the command range a favourite is listed on the tab and the start page only.
        if (popup && nCmd <= kLastFavouriteCmd) {
            m_arrFavouriteCmds.append({nCmd, row.id});
            QAction* action = m_frame.Commands().action(nCmd);
            action->setText(QString(row.title).replace(QLatin1Char('&'), QStringLiteral("&&")));
            popup->addAction(action);
            ++nCmd;
        }
        if (page)
            page->AddItem(row.id, row.title);
    }
    m_frame.GetHtmlView()->BuildStartPage(list.links);
}

void FavouritesMenu::OnFavourite(int nCmd) {
    for (const auto& [command, id] : m_arrFavouriteCmds) {
        if (command != nCmd)
            continue;
        if (id != 0 && m_frame.GetNavView()->OpenDocument(id, QString(), nullptr))
            return;
        break;
    }
    ShowMessage(IDS_INVALID_LINK);
}

QString FavouritesMenu::ShownDocumentName(int& id) const {
    id = m_frame.GetHtmlView()->GetCurrentDocumentId();
    if (id == 0)
        return QString();
    QString display;
    return m_frame.GetNavView()->GetDocumentName(id, display);
}

bool FavouritesMenu::CanAdd() const {
    const int id = m_frame.GetHtmlView()->GetCurrentDocumentId();
    if (id == 0 || isFixedLaw(m_frame.GetNavView()->GetDocumentDesignation(id)))
        return false;
    QString display;
    const QString name = m_frame.GetNavView()->GetDocumentName(id, display);
    if (name.isEmpty())
        return true;
    CXmlStore store(m_app.folders());
    store.SetReportLoadFailureOnce(true);
    return !store.IsFavourite(name);
}

bool FavouritesMenu::CanRemove() const {
    int id = 0;
    const QString name = ShownDocumentName(id);
    if (name.isEmpty())
        return false;
    CXmlStore store(m_app.folders());
    store.SetReportLoadFailureOnce(true);
    return store.IsFavourite(name);
}

void FavouritesMenu::ChangeFavourite(bool bAdd) {
    const WaitCursor wait;
    int id = 0;
    const QString name = ShownDocumentName(id);
    if (name.isEmpty())
        return;
    CXmlStore store(m_app.folders());
    const bool bFavourite = store.IsFavourite(name);
    // A store that cannot be read has said so; nothing is changed in it.
    if (store.Failed() || bFavourite == bAdd)
        return;
    if (bAdd ? store.AddFavourite(name) : store.RemoveFavourite(name))
        RebuildFavourites();
}
