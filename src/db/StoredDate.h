#pragma once

#include <QDateTime>
#include <QString>

// Date conversions between the stored ISO-8601 texts and QDateTime (invalid = null).
QDateTime parseStoredDate(const QString& text);
QDateTime parseStoredDate(const char* utf8, int length);
// A stored date-time: the wall-clock date and time as the collection keeps them, without a zone.
QDateTime storedDateTime(const QDate& date, const QTime& time = QTime(0, 0));
// The same wall-clock value as a stored date-time, comparable with the recordsets' dates.
QDateTime asStoredDateTime(const QDateTime& dateTime);
