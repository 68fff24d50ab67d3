// A saved toolbar layout of any content: read, it is written back as a table that reads the
// same, and merging it with the program's own bars never fails.
#include "frame/UiTables.h"

#include <cstdlib>

namespace {
bool sameEntries(const ToolbarTemplate& a, const ToolbarTemplate& b) {
    if (a.id != b.id || a.offered != b.offered || a.entries.size() != b.entries.size())
        return false;
    for (std::size_t i = 0; i < a.entries.size(); ++i) {
        const ToolbarEntry& x = a.entries[i];
        const ToolbarEntry& y = b.entries[i];
        if (x.kind != y.kind || x.id != y.id || x.width != y.width)
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::vector<ToolbarTemplate> saved = parseToolbarTable(text);
    const std::vector<ToolbarTemplate> again = parseToolbarTable(writeToolbarTable(saved));
    if (again.size() != saved.size())
        std::abort();
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (!sameEntries(saved[i], again[i]))
            std::abort();
        // Against each bar read as the program's own: nothing the saved bar holds is lost.
        for (const ToolbarTemplate& own : saved) {
            const ToolbarTemplate merged = withNewCommands(saved[i], own);
            if (merged.entries.size() < saved[i].entries.size())
                std::abort();
        }
    }
    return 0;
}
