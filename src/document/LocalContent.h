#pragma once

#include <QString>

// Whether the document view may load a URL of this scheme: only the program's own local content
// (files, inline data, internal schemes), never anything from the network.
bool isLocalContentScheme(const QString& scheme);
