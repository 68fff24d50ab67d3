#include "platform/Strings.h"

#include <QFile>
#include <QHash>

namespace {
// The table is "id<TAB>text" per line; "\n" and "\t" in a text stand for a line break and a tab.
QString unescape(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == QLatin1Char('n')) {
                out += QLatin1Char('\n');
                ++i;
                continue;
            }
            if (next == QLatin1Char('t')) {
                out += QLatin1Char('\t');
                ++i;
                continue;
            }
            if (next == QLatin1Char('\\')) {
                out += QLatin1Char('\\');
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

QHash<unsigned, QString> loadTable() {
    QHash<unsigned, QString> table;
    QFile file(QStringLiteral(":/strings.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab <= 0 || line.startsWith(QLatin1Char('#')))
            continue;
        bool ok = false;
        const unsigned id = line.left(tab).toUInt(&ok);
        if (ok)
            table.insert(id, unescape(line.mid(tab + 1)));
    }
    return table;
}
} // namespace

QString LoadResString(unsigned id) {
    static const QHash<unsigned, QString> table = loadTable();
    return table.value(id);
}
