#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

// The search history as stored in the settings: an archived string array (little-endian): a
// 16-bit count (0xFFFF then a 32-bit count when larger), then per entry a length prefix (one
// byte below 255; 0xFF and 16 bits below 0xFFFE; 0xFF, 0xFFFF and 32 bits otherwise) and the
// text in UTF-8 without terminator.

QByteArray EncodeHistory(const QStringList& entries);

// The entries of an archived history, or nothing when the value is damaged (counts or lengths
// that run past its end, bytes left over). Never allocates more than the value's own size.
std::optional<QStringList> DecodeHistory(const QByteArray& bytes);
