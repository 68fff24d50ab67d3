#pragma once

#include <QObject>
#include <QPair>
#include <QVector>

class CMainFrame;
class CommandTable;
class FrameHost;
class QMenu;

// The user's favourites in the "Oblíbené" menu, on the favourites tab and on the start page, all
// three rebuilt together from the store, so that they always agree; and the commands that add the
// shown document to the favourites, remove it, and open a favourite.
class FavouritesMenu : public QObject {
    Q_OBJECT
public:
    static constexpr int kFirstFavouriteCmd = 30000;
    static constexpr int kLastFavouriteCmd = 30999;

    FavouritesMenu(CMainFrame& frame, FrameHost& app);

    void RegisterCommands(CommandTable& table);
    // Lists the fixed laws and the user's favourites anew in the menu, the tab and the start page.
    void RebuildFavourites();

    // (command, document) of every user favourite in the menu; document 0 when it was not found.
    QVector<QPair<int, int>> m_arrFavouriteCmds;

private:
    // Adds the shown document to the favourites or removes it, then rebuilds the lists.
    void ChangeFavourite(bool bAdd);
    void OnFavourite(int nCmd);
    bool CanAdd() const;
    bool CanRemove() const;
    // The shown document's name (empty when none is shown) and identifier.
    QString ShownDocumentName(int& id) const;
    QMenu* FavouritesPopup() const;

    CMainFrame& m_frame;
    FrameHost& m_app;
};
