#pragma once

#include <QString>
#include <string>
#include <string_view>

// The readable text of an HTML fragment: tags removed (block tags leave a space, inline tags
// nothing, so a word split by <b> stays one word), script and style content dropped, character
// references decoded.
// The UTF-8 form reads and writes bytes: markup is ASCII, and the index builder reads UTF-8.
std::string htmlToTextUtf8(std::string_view html);
QString htmlToText(const QString& html);
