#pragma once

#include <QByteArray>
#include <string_view>

// Compares two UTF-8 texts in Czech order ("ch" after "h", "č" after "c"...). Texts that the
// Czech rules rank equal but that differ are ordered by their bytes, so only equal texts are equal.
int compareCzech(std::string_view left, std::string_view right);

// A binary key whose byte order (memcmp, shorter first) is the order of compareCzech. Sorting
// a long list by keys costs one collation pass per row instead of one per comparison.
QByteArray czechSortKey(std::string_view text);
