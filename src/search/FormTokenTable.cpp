#include "search/FormTokenTable.h"

#include <cstring>

namespace {
constexpr std::size_t kInitialSlots = 4096;
} // namespace

FormTokenTable::FormTokenTable() : m_slots(kInitialSlots) {}

std::uint64_t FormTokenTable::hashOf(std::string_view form) {
    // FNV-1a, with a final mix so that the low bits used as the slot depend on every byte.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : form)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    hash ^= hash >> 32;
    return hash;
}

// The slot holding `form`, or the empty slot where it belongs.
std::size_t FormTokenTable::slotOf(std::string_view form, std::uint64_t hash) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = m_slots[at];
        if (slot.entry == 0)
            return at;
        if (slot.hash == hash) {
            const std::string& stored = m_entries[slot.entry - 1].form;
            if (stored.size() == form.size() &&
                std::memcmp(stored.data(), form.data(), form.size()) == 0)
                return at;
        }
    }
}

const std::vector<std::string>* FormTokenTable::find(std::string_view form) const {
    const Slot& slot = m_slots[slotOf(form, hashOf(form))];
    return slot.entry == 0 ? nullptr : &m_entries[slot.entry - 1].tokens;
}

const std::vector<std::string>& FormTokenTable::insert(std::string_view form,
                                                       std::vector<std::string> tokens) {
    // At most half full, so that probes stay short.
    if ((m_entries.size() + 1) * 2 > m_slots.size())
        grow();
    const std::uint64_t hash = hashOf(form);
    Slot& slot = m_slots[slotOf(form, hash)];
    if (slot.entry != 0)
        return m_entries[slot.entry - 1].tokens;
    m_entries.push_back(Entry{std::string(form), std::move(tokens)});
    slot = Slot{hash, std::uint32_t(m_entries.size())};
    return m_entries.back().tokens;
}

void FormTokenTable::grow() {
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.entry == 0)
            continue;
        std::size_t at = slot.hash & mask;
        while (m_slots[at].entry != 0)
            at = (at + 1) & mask;
        m_slots[at] = slot;
    }
}
