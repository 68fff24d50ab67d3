#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

using xmlDocPtr = struct _xmlDoc*;

// Writes a data file's tree in Windows-1250 with the layout the program has always written: the
// declaration on a line of its own, attributes before namespace declarations, every line break of
// the tree as CR LF. Characters the code page lacks become character references in text and
// attribute values; anywhere else (a name, a comment) they make the writing fail.
std::optional<QByteArray> writeDataFile(xmlDocPtr doc, QString* error = nullptr);
