// Search on a small index with any query and scope: the answer is empty or an id list.
#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "search/FulltextIndex.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
const QString& indexFolder() {
    static QTemporaryDir dir;
    static const QString folder = [] {
        auto database = Database::create(dir.filePath("TavlinDemo.db"), collectionPassword());
        database->executeScript(
            "INSERT INTO dokument (ID, jmeno, norma) VALUES (1, 'Zákon o daních z příjmů', "
            "'586/1992 Sb.'), (2, 'Vyhláška o bytech', '100/2010 Sb.');"
            "INSERT INTO dokumentSekce (sekce, dokument, obsah, datumNovelizace) VALUES "
            "(10, 1, '<p>Poplatníky <b>daně</b> z příjmů jsou fyzické osoby.</p>', NULL),"
            "(11, 1, '<p>Předmětem daně jsou příjmy z podnikání &amp; závislé činnosti.</p>', "
            "'2015-01-01'),"
            "(20, 2, '<p>Každý byt musí být označen číslem 21&nbsp;%.</p>', NULL);");
        BuildFulltextIndex(*database, dir.filePath("Index"));
        return dir.filePath("Index");
    }();
    return folder;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int scope = data[0] & 15; // the 8 bit searches all forms
    const QString query =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QString result = Search(indexFolder(), query, scope);
    static const QRegularExpression idList(QStringLiteral("^\\((10|11|20)(,(10|11|20))*\\)$"));
    if (!result.isEmpty() && !idList.match(result).hasMatch())
        std::abort();
    return 0;
}
