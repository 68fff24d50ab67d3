#include "build/DemoSource.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <map>

namespace {
[[noreturn]] void fail(const QString& file, int line, const QString& message) {
    throw DemoSourceError{file, line, message};
}

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, 0, QStringLiteral("cannot read the file"));
    const QByteArray bytes = file.readAll();
    const QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter))
        fail(path, 0, QStringLiteral("the file is not valid UTF-8"));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

int toNumber(const QString& text, const QString& file, int line) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        fail(file, line, QStringLiteral("'%1' is not a whole number").arg(text.trimmed()));
    return value;
}

QList<int> toNumbers(const QString& text, const QString& file, int line) {
    QList<int> numbers;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        numbers << toNumber(part, file, line);
    return numbers;
}

QString toDate(const QString& text, const QString& file, int line) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QString();
    if (trimmed.size() != 10 || !QDate::fromString(trimmed, QStringLiteral("yyyy-MM-dd")).isValid())
        fail(file, line, QStringLiteral("'%1' is not a date YYYY-MM-DD").arg(trimmed));
    return trimmed;
}

using HeaderSetter = std::function<void(DemoDocument&, const QString&, const QString&, int)>;

const std::map<QString, HeaderSetter>& headerKeys() {
    using D = DemoDocument;
    using S = const QString&;
    static const std::map<QString, HeaderSetter> keys = {
        {"id", [](D& d, S v, S f, int l) { d.row.id = toNumber(v, f, l); }},
        {"jmeno", [](D& d, S v, S, int) { d.row.jmeno = v; }},
        {"ozn", [](D& d, S v, S, int) { d.row.ozn = v; }},
        {"pohled", [](D& d, S v, S f, int l) { d.row.pohled = toNumber(v, f, l); }},
        {"obor", [](D& d, S v, S f, int l) { d.row.obor = toNumber(v, f, l); }},
        {"typ", [](D& d, S v, S f, int l) { d.row.typ = toNumber(v, f, l); }},
        {"poradi", [](D& d, S v, S f, int l) { d.row.poradi = toNumber(v, f, l); }},
        {"norma", [](D& d, S v, S, int) { d.row.norma = v; }},
        {"uroven", [](D& d, S v, S f, int l) { d.row.uroven = toNumber(v, f, l); }},
        {"priloha", [](D& d, S v, S, int) { d.row.priloha = v; }},
        {"novinka", [](D& d, S v, S f, int l) { d.row.novinka = toDate(v, f, l); }},
        {"nasledovnik", [](D& d, S v, S f, int l) { d.row.nasledovnik = toNumber(v, f, l); }},
        {"platnostZacatek", [](D& d, S v, S f, int l) { d.row.platnostZacatek = toDate(v, f, l); }},
        {"platnostKonec", [](D& d, S v, S f, int l) { d.row.platnostKonec = toDate(v, f, l); }},
        {"redirectId", [](D& d, S v, S f, int l) { d.row.redirectId = toNumber(v, f, l); }},
        {"redirectPar", [](D& d, S v, S, int) { d.row.redirectPar = v; }},
        {"typnovelizace", [](D& d, S v, S f, int l) { d.row.typnovelizace = toNumber(v, f, l); }},
        {"oblasti", [](D& d, S v, S f, int l) { d.oblasti << toNumbers(v, f, l); }},
        {"nazev", [](D& d, S v, S, int) { d.nazvy << v; }},
        {"obrazky", [](D& d, S v, S f, int l) { d.obrazky << toNumbers(v, f, l); }},
    };
    return keys;
}

// "@sekce" or "@verze" with optional "od DATE" and "do DATE".
DemoSection readDirective(const QString& line, const QString& file, int lineNo) {
    DemoSection section;
    section.line = lineNo;
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < words.size(); i += 2) {
        if (i + 1 >= words.size())
            fail(file, lineNo, QStringLiteral("'%1' needs a date").arg(words[i]));
        if (words[i] == QLatin1String("od"))
            section.datumNovelizace = toDate(words[i + 1], file, lineNo);
        else if (words[i] == QLatin1String("do"))
            section.datumDo = toDate(words[i + 1], file, lineNo);
        else
            fail(file, lineNo, QStringLiteral("unknown word '%1' (od, do)").arg(words[i]));
    }
    if (!section.datumNovelizace.isEmpty() && !section.datumDo.isEmpty() &&
        section.datumNovelizace >= section.datumDo)
        fail(file, lineNo, QStringLiteral("the version ends before it begins"));
    return section;
}

void finishSection(DemoDocument& document, DemoSection& section, QStringList& body) {
    while (!body.isEmpty() && body.last().trimmed().isEmpty())
        body.removeLast();
    section.firstTextLine = section.line + 1;
    while (!body.isEmpty() && body.first().trimmed().isEmpty()) {
        body.removeFirst();
        ++section.firstTextLine;
    }
    if (body.isEmpty())
        fail(document.file, section.line, QStringLiteral("the section has no text"));
    section.obsah = body.join(QLatin1Char('\n'));
    document.sekce << section;
    body.clear();
}

DemoDocument readDocument(const QString& path) {
    const QStringList lines = readLines(path);
    DemoDocument document;
    document.file = path;
    bool inHeader = true;
    bool inSection = false;
    DemoSection section;
    QStringList body;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int lineNo = int(i + 1);
        if (line.startsWith(QLatin1Char('@'))) {
            const QString word = line.section(QLatin1Char(' '), 0, 0);
            if (word != QLatin1String("@sekce") && word != QLatin1String("@verze"))
                fail(path, lineNo, QStringLiteral("unknown directive '%1'").arg(word));
            if (inSection)
                finishSection(document, section, body);
            const int previous = document.sekce.isEmpty() ? 0 : document.sekce.last().poradi;
            if (word == QLatin1String("@verze") && previous == 0)
                fail(path, lineNo, QStringLiteral("'@verze' before the first '@sekce'"));
            section = readDirective(line, path, lineNo);
            section.poradi = word == QLatin1String("@sekce") ? previous + 1 : previous;
            inHeader = false;
            inSection = true;
            continue;
        }
        if (!inHeader) {
            body << line;
            continue;
        }
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            fail(path, lineNo, QStringLiteral("expected 'key: value' or a section '@sekce'"));
        const QString key = line.left(colon).trimmed();
        const auto setter = headerKeys().find(key);
        if (setter == headerKeys().end())
            fail(path, lineNo, QStringLiteral("unknown key '%1'").arg(key));
        setter->second(document, line.mid(colon + 1).trimmed(), path, lineNo);
        document.keyLines[key] = lineNo;
    }
    if (inSection)
        finishSection(document, section, body);
    if (document.row.id <= 0)
        fail(path, document.lineOfKey(QStringLiteral("id")),
             QStringLiteral("the document has no positive 'id'"));
    if (document.row.jmeno.isEmpty())
        fail(path, 1, QStringLiteral("the document has no 'jmeno'"));
    return document;
}

QList<DemoNamedRow> readNamedRows(const QString& path) {
    QList<DemoNamedRow> rows;
    const QStringList lines = readLines(path);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype bar = trimmed.indexOf(QLatin1Char('|'));
        if (bar <= 0)
            fail(path, int(i + 1), QStringLiteral("expected 'ID | text'"));
        const DemoNamedRow row{toNumber(trimmed.left(bar), path, int(i + 1)),
                               trimmed.mid(bar + 1).trimmed(), int(i + 1)};
        if (row.text.isEmpty())
            fail(path, int(i + 1), QStringLiteral("the text is empty"));
        for (const DemoNamedRow& earlier : rows) {
            if (earlier.id == row.id)
                fail(path, int(i + 1), QStringLiteral("ID %1 is used twice").arg(row.id));
        }
        rows << row;
    }
    return rows;
}

QList<DemoImage> readImages(const QString& folder) {
    const QString listPath = folder + QStringLiteral("/images.txt");
    QList<DemoImage> images;
    for (const DemoNamedRow& row : readNamedRows(listPath)) {
        QFile file(folder + QStringLiteral("/images/") + row.text);
        if (!file.open(QIODevice::ReadOnly))
            fail(listPath, row.line, QStringLiteral("cannot read images/%1").arg(row.text));
        const QString extension = QFileInfo(row.text).suffix().toLower();
        if (extension.isEmpty())
            fail(listPath, row.line, QStringLiteral("the picture file has no extension"));
        images << DemoImage{row.id, file.readAll(), extension};
    }
    return images;
}
} // namespace

QString DemoSourceError::text() const {
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message)
                    : QStringLiteral("%1: %2").arg(file, message);
}

DemoCollection readDemoSource(const QString& folder) {
    DemoCollection collection;
    collection.oblasti = readNamedRows(folder + QStringLiteral("/areas.txt"));
    collection.typy = readNamedRows(folder + QStringLiteral("/types.txt"));
    collection.obory = readNamedRows(folder + QStringLiteral("/fields.txt"));
    collection.images = readImages(folder);
    const QDir documents(folder + QStringLiteral("/documents"));
    const QStringList names =
        documents.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    if (names.isEmpty())
        fail(documents.path(), 0, QStringLiteral("no document files (*.txt)"));
    for (const QString& name : names)
        collection.documents << readDocument(documents.filePath(name));
    checkDemoCollection(collection);
    return collection;
}
