#pragma once

#include "build/CollectionInserter.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The human-readable sources of the demo collection (data/demo): list files areas.txt,
// types.txt, fields.txt and images.txt with lines "ID | text", pictures in images/, and one
// file per document in documents/ with a header of "key: value" lines followed by sections.
// A section starts with "@sekce", a further version of the same section with "@verze"; both
// may carry "od YYYY-MM-DD" (valid from, inclusive) and "do YYYY-MM-DD" (valid to, exclusive).

struct DemoSection {
    int poradi = 0;
    QString datumNovelizace;
    QString datumDo;
    QString obsah;
    int line = 0;          // the "@sekce" or "@verze" line
    int firstTextLine = 0; // the line of the first line of `obsah`
};

struct DemoDocument {
    DokumentRow row;
    QList<int> oblasti;
    QStringList nazvy;
    QList<int> obrazky;
    QList<DemoSection> sekce;
    QString file;
    QMap<QString, int> keyLines; // header key -> the line that last set it

    int lineOfKey(const QString& key) const { return keyLines.value(key, 1); }
};

struct DemoNamedRow {
    int id = 0;
    QString text;
    int line = 0;
};

struct DemoImage {
    int id = 0;
    QByteArray data;
    QString extension;
};

struct DemoCollection {
    QList<DemoNamedRow> oblasti;
    QList<DemoNamedRow> typy;
    QList<DemoNamedRow> obory;
    QList<DemoImage> images;
    QList<DemoDocument> documents;
};

// A fault in the sources, located by file and line (line 0: the file as a whole).
struct DemoSourceError {
    QString file;
    int line = 0;
    QString message;
    QString text() const;
};

// Reads and checks the whole source folder; throws DemoSourceError at the first fault.
DemoCollection readDemoSource(const QString& folder);

// The checks across files: identifiers, references, links, anchors and pictures.
void checkDemoCollection(const DemoCollection& collection);

// Writes the collection into an empty database inside one transaction.
void writeDemoCollection(Database& database, const DemoCollection& collection);
