#include "tools/CliCommand.h"
#include "userdata/XmlStore.h"

#include <cstdio>

// The user's notes and favourites in the program folder's Data/Notes.xml and Data/Favourites.xml,
// read and written as the reader does. A failure prints the reader's message and exits with 1.
namespace {
void printText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

QString onlyName(const CliArgs& args, qsizetype maxWords) {
    args.rejectUnknownOptions({});
    const QStringList& words = args.positional();
    if (words.isEmpty() || words.size() > maxWords)
        throw CliError{maxWords == 1 ? QStringLiteral("give one document name")
                                     : QStringLiteral("give a document name and a text")};
    return words.first();
}

int noteGet(const CliArgs& args) {
    const QString name = onlyName(args, 1);
    CXmlStore store(args.folders());
    const QString text = store.GetNote(name);
    if (store.Failed())
        return 1;
    if (!text.isEmpty())
        printText(text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n'));
    return 0;
}

int noteSet(const CliArgs& args) {
    const QString name = onlyName(args, 2);
    CXmlStore store(args.folders());
    return store.SetNote(name, args.positional().value(1)) ? 0 : 1;
}

int favouritesList(const CliArgs& args) {
    args.rejectUnknownOptions({});
    if (!args.positional().isEmpty())
        throw CliError{QStringLiteral("unexpected argument %1").arg(args.positional().first())};
    CXmlStore store(args.folders());
    const QStringList names = store.GetFavourites();
    if (store.Failed())
        return 1;
    for (const QString& name : names)
        printText(name + QLatin1Char('\n'));
    return 0;
}

int favouritesAdd(const CliArgs& args) {
    const QString name = onlyName(args, 1);
    CXmlStore store(args.folders());
    return store.AddFavourite(name) ? 0 : 1;
}

int favouritesRemove(const CliArgs& args) {
    const QString name = onlyName(args, 1);
    CXmlStore store(args.folders());
    if (store.RemoveFavourite(name))
        return 0;
    if (!store.Failed())
        cliPrintError(
            QStringLiteral("tavlin-cli favourites remove: '%1' is not a favourite").arg(name));
    return 1;
}

const CliRegistration noteGetRegistration("note get", "note get NAME", noteGet);
const CliRegistration
    noteSetRegistration("note set", "note set NAME [TEXT]   (no TEXT empties the note)", noteSet);
const CliRegistration listRegistration("favourites list", "favourites list", favouritesList);
const CliRegistration addRegistration("favourites add", "favourites add NAME", favouritesAdd);
const CliRegistration removeRegistration("favourites remove", "favourites remove NAME",
                                         favouritesRemove);
} // namespace
