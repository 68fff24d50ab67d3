#pragma once

#include <QString>

// The readable text of an HTML fragment: tags removed (block tags leave a space, inline tags
// nothing, so a word split by <b> stays one word), script and style content dropped, character
// references decoded.
QString htmlToText(const QString& html);
