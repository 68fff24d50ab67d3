#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class Database;

// One row of the favourites: the document and the title it is listed under (0 when the stored
// name no longer names a document).
struct FavouriteRow {
    int id = 0;
    QString title;
};

// What the favourites menu, the favourites page and the start page list, in this order: the
// fixed laws the collection holds, then the user's favourites in the store's order.
struct FavouritesList {
    std::vector<FavouriteRow> fixedLaws;
    std::vector<FavouriteRow> userFavourites;
    // The start page's lines, one link a row.
    QString links;
};

// The document whose name is LIKE the pattern and its display title; 0 when there is none.
using DocumentByName = std::function<int(const QString& pattern, QString& title)>;

// The documents of the twelve fixed-law designations in the collection's order; a database
// failure is reported and gives those read so far.
std::vector<FavouriteRow> readFixedLaws(Database& database);

// The rows of the fixed laws and of the stored names; a name that is found under no title is
// listed under itself.
FavouritesList collectFavourites(Database* database, const QStringList& names,
                                 const DocumentByName& findByName);

// A pattern of the LIKE operator that matches exactly `text`.
QString likeLiteral(const QString& text);

// The start page's link to a document.
QString favouriteLink(int id, const QString& title);
