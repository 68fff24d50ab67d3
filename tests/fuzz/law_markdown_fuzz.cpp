#include "build/LawFile.h"
#include "build/ReferenceLinker.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Any bytes as a law file: the front matter and Markdown parsers either refuse them with a line
// inside the file or give sections with unique anchors, and linking against a collection that
// holds nothing leaves every section as it was.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    LawText law;
    try {
        law = parseLawText(bytes, QStringLiteral("fuzz.md"));
    } catch (const LawFileError& error) {
        if (error.line < 1 || error.line > bytes.count('\n') + 1 || error.reason.isEmpty())
            std::abort();
        return 0;
    }
    if (law.paragraphs == 0 || law.sections.isEmpty())
        std::abort();
    QSet<QString> keys;
    const ReferenceTargets nothing{[](const QString&) { return 0; },
                                   [](int, const QString&) { return false; }};
    const ReferenceTargets everything{[](const QString&) { return 2; },
                                      [](int, const QString&) { return true; }};
    for (const LawSection& section : law.sections) {
        if (!section.key.isEmpty() &&
            (keys.contains(section.key) ||
             !section.html.startsWith(QStringLiteral("<a name=\"%1\"></a>").arg(section.key))))
            std::abort();
        keys.insert(section.key);
        if (linkReferences(section.html, 1, nothing) != section.html)
            std::abort();
        if (linkReferences(section.html, 1, everything).size() < section.html.size())
            std::abort();
    }
    return 0;
}
