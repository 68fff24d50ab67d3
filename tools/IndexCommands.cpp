#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "navigation/IndexSession.h"
#include "navigation/RegisterSession.h"
#include "tools/CliCommand.h"

#include <QFileInfo>
#include <cstdio>

namespace {
std::unique_ptr<Database> openFolderCollection(const CliArgs& args) {
    const QString path = args.folders().GetDataFolder() + QStringLiteral("/TavlinDemo.db");
    if (!QFileInfo::exists(path))
        throw CliError{QStringLiteral("no collection at %1").arg(path)};
    return Database::open(path, collectionPassword());
}

void rejectPositional(const CliArgs& args) {
    if (!args.positional().isEmpty())
        throw CliError{QStringLiteral("unexpected argument %1").arg(args.positional().first())};
}

void writeLine(QByteArray& out, int id, int indent, const QString& text) {
    out += QByteArray::number(id);
    out += '\t';
    out += QByteArray(indent, ' ');
    out += text.toUtf8();
    out += '\n';
    if (out.size() > 65536) {
        std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
        out.clear();
    }
}

void flush(QByteArray& out) {
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    out.clear();
}

void writeItems(const RegisterTree& tree, const QVector<int>& items, int depth, QByteArray& out) {
    for (int item : items) {
        writeLine(out, tree.item(item).id, 2 * depth, tree.item(item).jmeno);
        writeItems(tree, tree.item(item).children, depth + 1, out);
    }
}

// The tree of one field as the register page shows it, an item per line under its parent.
int registerTree(const CliArgs& args) {
    args.rejectUnknownOptions({QStringLiteral("--field")});
    rejectPositional(args);
    if (!args.has(QStringLiteral("--field")))
        throw CliError{QStringLiteral("--field is required")};
    const int field = args.intValue(QStringLiteral("--field"), 0);
    std::unique_ptr<Database> database = openFolderCollection(args);
    RegisterSession session(database.get());
    session.InitBaseCondition();
    if (!session.m_pRecordset)
        return 1;
    const bool read = session.FillTree(field);
    QByteArray out;
    writeItems(session.tree(), session.tree().topItems(), 0, out);
    flush(out);
    return read ? 0 : 1;
}

// One of the four index lists as the index page shows it.
int indexList(const CliArgs& args) {
    args.rejectUnknownOptions(
        {QStringLiteral("--choice"), QStringLiteral("--area"), QStringLiteral("--type")});
    rejectPositional(args);
    const int choice = args.intValue(QStringLiteral("--choice"), IndexSession::ByNumber);
    if (choice < 0 || choice >= IndexSession::kChoiceCount)
        throw CliError{QStringLiteral("--choice must be 0, 1, 2 or 3")};
    std::unique_ptr<Database> database = openFolderCollection(args);
    IndexSession session(database.get());
    session.InitBaseCondition();
    if (!session.m_pRecordset)
        return 1;
    const bool read = session.FillIndex(choice, args.intValue(QStringLiteral("--area"), 0),
                                        args.intValue(QStringLiteral("--type"), -1));
    QByteArray out;
    for (int row = 0; row < session.GetRowCount(); ++row)
        writeLine(out, session.rowId(row), 0, session.rowText(row));
    flush(out);
    return read ? 0 : 1;
}

const CliRegistration registerCommand("register", "register --field ID [--folder DIR]",
                                      registerTree);
const CliRegistration
    indexCommand("index", "index [--choice 0|1|2|3] [--area ID] [--type ID] [--folder DIR]",
                 indexList);
} // namespace
