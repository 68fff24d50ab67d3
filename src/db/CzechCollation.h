#pragma once

#include <string_view>

// Compares two UTF-8 texts in Czech order ("ch" after "h", "č" after "c"...). Texts that the
// Czech rules rank equal but that differ are ordered by their bytes, so only equal texts are equal.
int compareCzech(std::string_view left, std::string_view right);
