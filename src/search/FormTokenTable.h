#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The lemma tokens a tokenizer sends after each word form, kept flat: one lookup per word of a
// document is the tokenizer's most frequent step, and a table of nodes spends it on cache misses.
class FormTokenTable {
public:
    FormTokenTable();

    // The tokens stored for `form`, or nullptr when the form was never stored.
    const std::vector<std::string>* find(std::string_view form) const;
    // Stores the tokens of a form not yet stored and returns them.
    const std::vector<std::string>& insert(std::string_view form, std::vector<std::string> tokens);

private:
    struct Entry {
        std::string form;
        std::vector<std::string> tokens;
    };
    struct Slot {
        std::uint64_t hash = 0;
        // One past the entry's index; 0 marks an empty slot.
        std::uint32_t entry = 0;
    };

    static std::uint64_t hashOf(std::string_view form);
    std::size_t slotOf(std::string_view form, std::uint64_t hash) const;
    void grow();

    std::vector<Slot> m_slots;
    std::vector<Entry> m_entries;
};
