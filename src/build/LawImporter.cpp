#include "build/LawImporter.h"

#include "build/CollectionInserter.h"
#include "build/ImportStore.h"
#include "build/LawCatalogue.h"
#include "build/ReferenceLinker.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
#include <map>

// The texts of one law in the order of their dates.
struct LawVersions {
    int document = 0;
    bool isNew = false;
    QList<const LawText*> texts;
};

namespace {
// The ID of a named row, added with the next free ID when the table lacks it.
int namedRowId(QHash<QString, int>& rows, const QString& name,
               const std::function<void(int, const QString&)>& add) {
    if (const auto found = rows.constFind(name); found != rows.cend())
        return *found;
    int id = 1;
    for (const int existing : std::as_const(rows))
        id = std::max(id, existing + 1);
    add(id, name);
    rows.insert(name, id);
    return id;
}

// The document row of a law new to the collection, filed under its guessed type and area.
void addDocument(CollectionInserter& inserter, const LawVersions& versions,
                 QHash<QString, int>& types, QHash<QString, int>& areas) {
    const LawText& newest = *versions.texts.last();
    DokumentRow row;
    row.id = versions.document;
    row.jmeno = lawDocumentName(newest.nazev);
    row.ozn = lawDesignation(newest.citace);
    row.norma = newest.citace;
    row.platnostZacatek = versions.texts.first()->ucinnostOd;
    row.typ = namedRowId(types, lawType(newest.nazev, newest.druh),
                         [&](int id, const QString& name) { inserter.addTyp(id, name); });
    inserter.addDokument(row);
    inserter.addDokumentOblast(
        row.id, namedRowId(areas, lawArea(newest.nazev),
                           [&](int id, const QString& name) { inserter.addOblast(id, name); }));
}

// Lays one consolidated text over the document's stored versions.
VersionPlan writeVersion(CollectionInserter& inserter, ImportStore& store, int document,
                         const LawText& text, const ReferenceTargets& targets) {
    QList<QByteArray> fresh;
    for (const LawSection& section : text.sections)
        fresh << linkReferences(section.html, document, targets).toUtf8();
    const VersionPlan plan = planVersion(store.sections(document), fresh, text.ucinnostOd);
    for (const VersionPlan::Update& update : plan.updates)
        store.updateSection(update.sekce, update.poradi, update.datumDo);
    for (const VersionPlan::Insert& insert : plan.inserts)
        inserter.addSekce(document, insert.poradi, insert.obsah, text.ucinnostOd, QString());
    return plan;
}
} // namespace

void LawImporter::addPath(const QString& path) {
    const QFileInfo info(path);
    if (!info.isDir()) {
        addFile(path);
        return;
    }
    QStringList files;
    QDirIterator it(path, {QStringLiteral("*.md")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    if (files.isEmpty())
        m_errors.append({path, 1, QStringLiteral("no Markdown files (*.md) in the folder")});
    for (const QString& file : files)
        addFile(file);
}

void LawImporter::addFile(const QString& path) {
    try {
        m_laws.append(readLawFile(path));
    } catch (const LawFileError& error) {
        m_errors.append(error);
    }
}

std::map<QString, LawVersions> LawImporter::groupVersions(ImportStore& store,
                                                          QHash<QString, int>& byNorma) {
    int nextId = store.maxDocumentId() + 1;
    std::map<QString, LawVersions> laws;
    for (const LawText& law : m_laws)
        laws[law.citace].texts << &law;
    for (auto& [citace, versions] : laws) {
        std::stable_sort(
            versions.texts.begin(), versions.texts.end(),
            [](const LawText* a, const LawText* b) { return a->ucinnostOd < b->ucinnostOd; });
        QString newest;
        if (const auto found = byNorma.constFind(citace); found != byNorma.cend()) {
            versions.document = *found;
            for (const StoredSection& section : store.sections(versions.document))
                newest = std::max(newest, section.datumNovelizace);
        } else {
            versions.document = nextId++;
            versions.isNew = true;
            byNorma.insert(citace, versions.document);
        }
        QList<const LawText*> kept;
        for (const LawText* text : versions.texts) {
            if (text->ucinnostOd > newest) {
                kept << text;
                newest = text->ucinnostOd;
            } else {
                m_errors.append({text->file, 1,
                                 QStringLiteral("the collection already holds %1 as of %2; only a "
                                                "later consolidated text can be added")
                                     .arg(citace, newest)});
            }
        }
        versions.texts = kept;
    }
    return laws;
}

LawImportSummary LawImporter::write(Database& database) {
    CollectionInserter inserter(database);
    ImportStore store(database);
    QHash<QString, int> byNorma = store.documentsByNorma();
    const std::map<QString, LawVersions> laws = groupVersions(store, byNorma);

    // Links may point into any law of the collection: the anchors of the texts being imported,
    // those of the other documents read when a reference first needs them.
    QHash<int, QSet<QString>> anchors;
    for (const auto& [citace, versions] : laws) {
        for (const LawText* text : versions.texts)
            anchors[versions.document].unite(text->anchors);
    }
    const ReferenceTargets targets{
        [&byNorma](const QString& norma) { return byNorma.value(norma, 0); },
        [&anchors, &store](int document, const QString& anchor) {
            auto found = anchors.find(document);
            if (found == anchors.end())
                found = anchors.insert(document, store.currentAnchors(document));
            return found->contains(anchor);
        }};

    QHash<QString, int> types = store.namedRows(QStringLiteral("typy"));
    QHash<QString, int> areas = store.namedRows(QStringLiteral("oblasti"));
    LawImportSummary summary;
    for (const auto& [citace, versions] : laws) {
        if (versions.texts.isEmpty())
            continue;
        if (versions.isNew) {
            addDocument(inserter, versions, types, areas);
            ++summary.newDocuments;
        }
        for (const LawText* text : versions.texts) {
            const VersionPlan plan =
                writeVersion(inserter, store, versions.document, *text, targets);
            summary.sectionsWritten += int(plan.inserts.size());
            summary.sectionsUnchanged += plan.unchanged;
            if (!(versions.isNew && text == versions.texts.first()))
                ++summary.newVersions;
        }
    }
    inserter.commit();
    return summary;
}
