#pragma once

#include <QString>
#include <optional>

// The tavlin: link scheme. The shell starts the reader with the shell-launch switch and the link;
// the reader then hands the link to a running reader or serves it itself.

// The desktop entry that makes the reader the user's handler of tavlin: links.
inline constexpr char kDesktopId[] = "cz.tavlin.Reader.desktop";

// The text of the desktop entry for the program file at `programPath`. It has the id of the
// installed menu entry, so that the user's registration takes that entry's place; a start from
// it without a link is an ordinary start.
QString desktopEntryText(const QString& programPath);

// Writes the desktop entry into `applicationsFolder` (atomically, creating the folder); false
// when it could not be written.
bool writeDesktopEntry(const QString& applicationsFolder, const QString& programPath);

// The "register" switch: the desktop entry in the user's applications folder, made the default
// handler of the scheme with xdg-mime and entered into the desktop database where those tools
// exist. False only when the entry itself could not be written.
bool RegisterUrlProtocol(const QString& programPath);

// The designation of a link: what follows "tavlin:" (the scheme in any case), unchanged; nothing
// for any other text.
std::optional<QString> designationFromLink(const QString& name);
