#include "build/DemoSource.h"

#include <QDate>
#include <QRegularExpression>
#include <QSet>
#include <map>

namespace {
const char* const g_arrMarkerPictures[] = {"paragrafy.gif",    "s_vlevo.gif",
                                           "s_vpravo.gif",     "s_vpravo_novela.gif",
                                           "s_predchudce.gif", "s_nasledovnik.gif"};

[[noreturn]] void fail(const QString& file, int line, const QString& message) {
    throw DemoSourceError{file, line, message};
}

int lineOf(const DemoSection& section, qsizetype offset) {
    return section.firstTextLine + int(section.obsah.left(offset).count(QLatin1Char('\n')));
}

QSet<int> idsOf(const QList<DemoNamedRow>& rows) {
    QSet<int> ids;
    for (const DemoNamedRow& row : rows)
        ids.insert(row.id);
    return ids;
}

QSet<QString> anchorsOf(const DemoDocument& document) {
    static const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]+)\""),
                                           QRegularExpression::CaseInsensitiveOption);
    QSet<QString> anchors;
    for (const DemoSection& section : document.sekce) {
        for (const auto& match : anchor.globalMatch(section.obsah))
            anchors.insert(match.captured(1));
    }
    return anchors;
}

void checkRow(const DemoDocument& document, const DemoCollection& collection) {
    const DokumentRow& row = document.row;
    const QString& file = document.file;
    if (row.pohled != 1 && row.pohled != 2 && row.pohled != 3 && row.pohled != 5)
        fail(file, document.lineOfKey(QStringLiteral("pohled")),
             QStringLiteral("pohled %1 is not 1, 2, 3 or 5").arg(row.pohled));
    if (row.uroven < 0 || row.uroven > 255)
        fail(file, document.lineOfKey(QStringLiteral("uroven")),
             QStringLiteral("uroven %1 does not fit a byte").arg(row.uroven));
    if (row.typnovelizace < 1 || row.typnovelizace > 3)
        fail(file, document.lineOfKey(QStringLiteral("typnovelizace")),
             QStringLiteral("typnovelizace %1 is not 1, 2 or 3").arg(row.typnovelizace));
    if (row.typ != 0 && !idsOf(collection.typy).contains(row.typ))
        fail(file, document.lineOfKey(QStringLiteral("typ")),
             QStringLiteral("typ %1 is not in types.txt").arg(row.typ));
    if (row.obor != 0 && !idsOf(collection.obory).contains(row.obor))
        fail(file, document.lineOfKey(QStringLiteral("obor")),
             QStringLiteral("obor %1 is not in fields.txt").arg(row.obor));
    for (qsizetype i = 0; i < document.oblasti.size(); ++i) {
        const int oblast = document.oblasti[i];
        if (document.oblasti.indexOf(oblast) != i)
            fail(file, document.lineOfKey(QStringLiteral("oblasti")),
                 QStringLiteral("oblast %1 is named twice").arg(oblast));
        if (!idsOf(collection.oblasti).contains(oblast))
            fail(file, document.lineOfKey(QStringLiteral("oblasti")),
                 QStringLiteral("oblast %1 is not in areas.txt").arg(oblast));
    }
    QSet<int> images;
    for (const DemoImage& image : collection.images)
        images.insert(image.id);
    for (int image : document.obrazky) {
        if (!images.contains(image))
            fail(file, document.lineOfKey(QStringLiteral("obrazky")),
                 QStringLiteral("picture %1 is not in images.txt").arg(image));
    }
}

// Versions of one section must not overlap, or the text would appear twice on some day.
void checkVersions(const DemoDocument& document) {
    std::map<int, QList<const DemoSection*>> byPoradi;
    for (const DemoSection& section : document.sekce)
        byPoradi[section.poradi] << &section;
    for (const auto& [poradi, versions] : byPoradi) {
        for (qsizetype i = 0; i < versions.size(); ++i) {
            for (qsizetype j = 0; j < i; ++j) {
                const DemoSection& a = *versions[j];
                const DemoSection& b = *versions[i];
                const bool aBeforeB = !a.datumDo.isEmpty() && !b.datumNovelizace.isEmpty() &&
                                      a.datumDo <= b.datumNovelizace;
                const bool bBeforeA = !b.datumDo.isEmpty() && !a.datumNovelizace.isEmpty() &&
                                      b.datumDo <= a.datumNovelizace;
                if (!aBeforeB && !bBeforeA)
                    fail(document.file, b.line,
                         QStringLiteral("this version overlaps the one at line %1").arg(a.line));
            }
        }
    }
}

void checkLinks(const DemoDocument& document, const std::map<int, QSet<QString>>& anchors) {
    static const QRegularExpression link(QStringLiteral("sestavDoc\\('([^']*)'\\)"));
    for (const DemoSection& section : document.sekce) {
        for (const auto& match : link.globalMatch(section.obsah)) {
            const int line = lineOf(section, match.capturedStart());
            QString argument = match.captured(1);
            const qsizetype dateEnd = argument.indexOf(QStringLiteral("__"));
            if (dateEnd >= 0) {
                if (!QDate::fromString(argument.left(dateEnd), QStringLiteral("yyyy-MM-dd"))
                         .isValid())
                    fail(document.file, line,
                         QStringLiteral("bad date in link '%1'").arg(match.captured(1)));
                argument = argument.mid(dateEnd + 2);
            }
            const QString anchor = argument.section(QLatin1Char('#'), 1);
            bool ok = false;
            const int id = argument.section(QLatin1Char('#'), 0, 0).toInt(&ok);
            const auto target = anchors.find(id);
            if (!ok || target == anchors.end())
                fail(document.file, line,
                     QStringLiteral("link to a missing document '%1'").arg(match.captured(1)));
            if (!anchor.isEmpty() && !target->second.contains(anchor))
                fail(document.file, line,
                     QStringLiteral("link to a missing anchor '%1'").arg(match.captured(1)));
        }
    }
}

void checkPictures(const DemoDocument& document, const DemoCollection& collection) {
    static const QRegularExpression source(QStringLiteral("src=\"images/([^\"]+)\""),
                                           QRegularExpression::CaseInsensitiveOption);
    QSet<QString> allowed;
    for (const char* marker : g_arrMarkerPictures)
        allowed.insert(QString::fromLatin1(marker));
    for (const DemoImage& image : collection.images) {
        if (document.obrazky.contains(image.id))
            allowed.insert(QStringLiteral("I%1.%2").arg(image.id).arg(image.extension));
    }
    for (const DemoSection& section : document.sekce) {
        for (const auto& match : source.globalMatch(section.obsah)) {
            if (!allowed.contains(match.captured(1)))
                fail(document.file, lineOf(section, match.capturedStart()),
                     QStringLiteral("picture images/%1 is not one of the document's")
                         .arg(match.captured(1)));
        }
    }
}
} // namespace

void checkDemoCollection(const DemoCollection& collection) {
    std::map<int, QSet<QString>> anchors;
    for (const DemoDocument& document : collection.documents) {
        if (anchors.count(document.row.id))
            fail(document.file, document.lineOfKey(QStringLiteral("id")),
                 QStringLiteral("document id %1 is used twice").arg(document.row.id));
        anchors[document.row.id] = anchorsOf(document);
    }
    for (const DemoDocument& document : collection.documents) {
        checkRow(document, collection);
        checkVersions(document);
        checkLinks(document, anchors);
        checkPictures(document, collection);
        const DokumentRow& row = document.row;
        if (row.redirectId != 0) {
            const auto target = anchors.find(row.redirectId);
            if (target == anchors.end())
                fail(document.file, document.lineOfKey(QStringLiteral("redirectId")),
                     QStringLiteral("redirectId %1 is not a document").arg(row.redirectId));
            if (!row.redirectPar.isEmpty() && !target->second.contains(row.redirectPar))
                fail(document.file, document.lineOfKey(QStringLiteral("redirectPar")),
                     QStringLiteral("redirectPar '%1' is not an anchor of document %2")
                         .arg(row.redirectPar)
                         .arg(row.redirectId));
        }
    }
}

void writeDemoCollection(Database& database, const DemoCollection& collection) {
    CollectionInserter inserter(database);
    for (const DemoNamedRow& row : collection.oblasti)
        inserter.addOblast(row.id, row.text);
    for (const DemoNamedRow& row : collection.typy)
        inserter.addTyp(row.id, row.text);
    for (const DemoNamedRow& row : collection.obory)
        inserter.addObor(row.id, row.text);
    for (const DemoImage& image : collection.images)
        inserter.addImage(image.id, image.data, image.extension);
    for (const DemoDocument& document : collection.documents) {
        inserter.addDokument(document.row);
        for (int oblast : document.oblasti)
            inserter.addDokumentOblast(document.row.id, oblast);
        for (const QString& nazev : document.nazvy)
            inserter.addDokumentNorma(document.row.id, nazev);
        for (int image : document.obrazky)
            inserter.addDokumentImage(image, document.row.id);
        for (const DemoSection& section : document.sekce)
            inserter.addSekce(document.row.id, section.poradi, section.obsah.toUtf8(),
                              section.datumNovelizace, section.datumDo);
    }
    inserter.commit();
}
