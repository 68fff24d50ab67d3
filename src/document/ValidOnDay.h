#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The day a document page was assembled for travels in its file names (D101_2008-01-01.html),
// so that the browser's history keeps it: pages for today carry no day.

// "_YYYY-MM-DD" for a day other than `today`, empty for `today` or an invalid day.
QString dayFileTag(const QDate& day, const QDate& today);
// The day in the file name of a location ("…/D101_2008-01-01.html"), none for a page of today,
// a comparison of two days or any other page.
std::optional<QDate> dayFromLocation(const QString& url);
// A day as Czech texts write it: "1. 1. 2008".
QString czechDay(const QDate& day);
