#pragma once

#include <QString>
#include <QUrl>

// A value of an INI file as the system's profile-string reading gives it: section and key
// matched without regard to case, blanks around the value and one pair of enclosing quotes
// removed; empty when the file, the section or the key is missing.
QString readIniString(const QString& file, const QString& section, const QString& key);

// Where the web order opens: "WWWOrder" of section "Dealer" in "Dealer.ini" of the program
// folder, else http://<host>/objednavka.
QUrl webOrderUrl(const QString& programFolder, const QString& defaultHost);
