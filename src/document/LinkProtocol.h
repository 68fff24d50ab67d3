#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

// What the document view does with a navigation request.
struct LinkDecision {
    // Cancel the browser's navigation (the program handles the link itself).
    bool intercept = false;
    // The note icon of the title page: open the note dialog.
    bool note = false;
    // The document to open (0 when none).
    int id = 0;
    // Empty or beginning with "#".
    QString anchor;
    // The date parts as the link spells them (year/month/day converted like atoi), when the link
    // carries a date text.
    bool hasDate = false;
    int year = 0;
    int month = 0;
    int day = 0;
    // The day to show the document as of; none means today. A date outside the calendar is
    // brought into it: month to 1..12, day to the month's length; a year outside 1..9999 gives
    // no day at all.
    std::optional<QDate> date;
};

// Decides a navigation request from the browser by its URL (bytes, compared case-sensitively):
// "javascript:OnNote()" as the whole URL, or a link containing "javascript:sestavDoc('" with the
// argument [date "__"] id ["#" anchor].
LinkDecision decideLink(const QByteArray& url);
LinkDecision decideLink(const QString& url);

// The document shown at a location: the number in the last path component's file name
// (D123.html, T123.html, B123.html), 0 for any other page.
int documentIdFromLocation(const QString& url);

// Converts like C's atoi: leading blanks, an optional sign, the digits that follow; 0 without
// digits. Values beyond int are held at its limits.
int atoiLike(const QByteArray& text);

// The calendar day for date parts as a link gives them (see LinkDecision::date).
std::optional<QDate> normaliseLinkDate(int year, int month, int day);
