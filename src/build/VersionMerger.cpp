#include "build/VersionMerger.h"

#include <QHash>
#include <QSet>
#include <map>

namespace {
// One place in the document's order: all versions stored with one poradi.
struct Slot {
    QString key;
    QList<const StoredSection*> versions;
    const StoredSection* current = nullptr; // the version without an end
};
} // namespace

QString sectionKey(const QByteArray& obsah) {
    static const QByteArray start = QByteArrayLiteral("<a name=\"");
    if (!obsah.startsWith(start))
        return QString();
    const qsizetype end = obsah.indexOf('"', start.size());
    return end < 0 ? QString() : QString::fromUtf8(obsah.mid(start.size(), end - start.size()));
}

VersionPlan planVersion(const QList<StoredSection>& stored, const QList<QByteArray>& fresh,
                        const QString& date) {
    std::map<int, Slot> byPoradi;
    for (const StoredSection& section : stored) {
        Slot& slot = byPoradi[section.poradi];
        slot.versions << &section;
        if (section.datumDo.isEmpty())
            slot.current = &section;
        if (slot.key.isEmpty() || section.datumDo.isEmpty())
            slot.key = sectionKey(section.obsah);
    }
    QList<Slot*> oldOrder;
    QHash<QString, Slot*> byKey;
    for (auto& [poradi, slot] : byPoradi) {
        oldOrder << &slot;
        byKey.insert(slot.key, &slot);
    }

    // The merged order: the new text's sections, each preceded by the old slots before it that
    // the new text no longer has.
    QSet<QString> freshKeys;
    QList<QString> keys;
    for (const QByteArray& obsah : fresh) {
        keys << sectionKey(obsah);
        freshKeys.insert(keys.last());
    }
    struct Place {
        Slot* slot = nullptr;
        qsizetype fresh = -1;
    };
    QList<Place> places;
    QSet<Slot*> placed;
    qsizetype next = 0;
    auto placeOldUpTo = [&](Slot* until) {
        for (; next < oldOrder.size(); ++next) {
            Slot* slot = oldOrder[next];
            if (slot == until)
                break;
            if (!freshKeys.contains(slot->key) && !placed.contains(slot)) {
                places.append({slot, -1});
                placed.insert(slot);
            }
        }
    };
    for (qsizetype i = 0; i < fresh.size(); ++i) {
        Slot* slot = byKey.value(keys[i], nullptr);
        if (slot && placed.contains(slot))
            slot = nullptr; // the same anchor twice: the second is a section of its own
        if (slot && oldOrder.indexOf(slot) >= next)
            placeOldUpTo(slot);
        if (slot)
            placed.insert(slot);
        places.append({slot, i});
    }
    placeOldUpTo(nullptr);

    VersionPlan plan;
    for (qsizetype p = 0; p < places.size(); ++p) {
        const int poradi = int(p + 1);
        const Place& place = places[p];
        const StoredSection* current = place.slot ? place.slot->current : nullptr;
        const bool kept = current && place.fresh >= 0 && current->obsah == fresh[place.fresh];
        if (place.slot) {
            for (const StoredSection* version : place.slot->versions) {
                const bool ends = version == current && !kept;
                if (version->poradi != poradi || ends)
                    plan.updates.append({version->sekce, poradi, ends ? date : version->datumDo});
            }
        }
        if (place.fresh < 0) {
            plan.ended += current ? 1 : 0;
            continue;
        }
        if (kept) {
            ++plan.unchanged;
            continue;
        }
        plan.inserts.append({poradi, fresh[place.fresh]});
        ++(current ? plan.changed : plan.added);
    }
    return plan;
}
