#pragma once

#include <QString>
#include <string>

// Text in the composed form (NFC) the index and its queries both use, so that a decomposed "č"
// is one letter; by ICU on both sides, so that both compose alike. Texts are almost always
// composed already, and ICU checks that without copying them.
std::string composedUtf8(std::string text);
QString composed(const QString& text);
