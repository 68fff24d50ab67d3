#include "db/StoredDate.h"

namespace {
int digits(const char* text, int count) {
    int value = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}
} // namespace

QDateTime parseStoredDate(const char* utf8, int length) {
    if (!utf8 || length < 10 || utf8[4] != '-' || utf8[7] != '-')
        return QDateTime();
    const QDate date(digits(utf8, 4), digits(utf8 + 5, 2), digits(utf8 + 8, 2));
    if (!date.isValid())
        return QDateTime();
    QTime time(0, 0);
    if (length >= 19 && (utf8[10] == ' ' || utf8[10] == 'T') && utf8[13] == ':' &&
        utf8[16] == ':') {
        time = QTime(digits(utf8 + 11, 2), digits(utf8 + 14, 2), digits(utf8 + 17, 2));
        if (!time.isValid())
            return QDateTime();
    }
    return storedDateTime(date, time);
}

QDateTime parseStoredDate(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return parseStoredDate(utf8.constData(), static_cast<int>(utf8.size()));
}

QDateTime storedDateTime(const QDate& date, const QTime& time) {
    // Stored dates carry no zone; keeping them as UTC-spec values spares a time-zone lookup on
    // every construction and comparison.
    return QDateTime(date, time, Qt::UTC);
}

QDateTime asStoredDateTime(const QDateTime& dateTime) {
    return dateTime.isValid() ? storedDateTime(dateTime.date(), dateTime.time()) : QDateTime();
}
