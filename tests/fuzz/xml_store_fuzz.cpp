// The notes and favourites files on damaged content: no crash, and whatever loads is written in a
// form that loads again to the same entries and the same bytes; an entry added under any name is
// found again after the round trip.
#include "userdata/DataFile.h"
#include "userdata/XmlStore.h"

#include <cstdlib>

namespace {
std::optional<QByteArray> roundTrip(const DataFile& file, DataKind kind, QStringList* names) {
    const std::optional<QByteArray> saved = file.save();
    if (!saved)
        return std::nullopt;
    DataFile again(kind);
    if (!again.load(*saved))
        std::abort();
    if (again.entryNames() != file.entryNames() || again.save() != saved)
        std::abort();
    if (names)
        *names = again.entryNames();
    return saved;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const DataKind kind = (data[0] & 1) ? DataKind::Favourites : DataKind::Notes;
    // The first line names an entry to add; the rest is the file.
    const QByteArray input(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const qsizetype newline = input.indexOf('\n');
    const QString name =
        CXmlStore::StoredName(QString::fromUtf8(newline < 0 ? QByteArray() : input.left(newline)));
    DataFile file(kind);
    if (!file.load(newline < 0 ? input : input.mid(newline + 1)))
        return 0;
    roundTrip(file, kind, nullptr);

    xmlNodePtr root = file.root();
    if (!root)
        return 0;
    if (xmlNodePtr entry = file.findEntry(root, name)) {
        QString text;
        DataFile::GetChildText(entry, "docname", text);
        DataFile::SetChildText(entry, "doctext", name);
        DataFile::removeEntry(entry);
    }
    file.appendEntry(root, {{"docname", name}, {"doctext", name}});
    if (!file.findEntry(root, name))
        std::abort();
    QStringList names;
    if (roundTrip(file, kind, &names) && !names.contains(name))
        std::abort();
    return 0;
}
