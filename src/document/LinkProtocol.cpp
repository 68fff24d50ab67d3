#include "document/LinkProtocol.h"

#include <algorithm>
#include <climits>

namespace {
const QByteArray kNoteUrl = QByteArrayLiteral("javascript:OnNote()");
const QByteArray kLinkPrefix = QByteArrayLiteral("javascript:sestavDoc('");

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The part of a date text at [from, from + length), converted like atoi; missing gives 0.
int datePart(const QByteArray& text, qsizetype from, qsizetype length) {
    if (from >= text.size())
        return 0;
    return atoiLike(text.mid(from, length));
}
} // namespace

int atoiLike(const QByteArray& text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(std::max(-value, static_cast<long long>(INT_MIN)));
    return static_cast<int>(std::min(value, static_cast<long long>(INT_MAX)));
}

std::optional<QDate> normaliseLinkDate(int year, int month, int day) {
    if (year < 1 || year > 9999)
        return std::nullopt;
    month = std::clamp(month, 1, 12);
    const int length = QDate(year, month, 1).daysInMonth();
    return QDate(year, month, std::clamp(day, 1, length));
}

LinkDecision decideLink(const QByteArray& url) {
    LinkDecision decision;
    if (url == kNoteUrl) {
        decision.intercept = true;
        decision.note = true;
        return decision;
    }
    // The program's link as the view delivers it: the whole URL, or a path segment when the
    // link was resolved against the page's folder; never inside another site's query or fragment.
    const qsizetype prefix = url.indexOf(kLinkPrefix);
    if (prefix < 0)
        return decision;
    if (prefix > 0) {
        const QByteArray before = url.left(prefix);
        if (!before.endsWith('/') || before.contains('?') || before.contains('#'))
            return decision;
    }

    QByteArray trimmed = url;
    while (!trimmed.isEmpty() &&
           (trimmed.back() == '\'' || trimmed.back() == ')' || trimmed.back() == ' '))
        trimmed.chop(1);
    const qsizetype start = prefix + kLinkPrefix.size();
    QByteArray argument = start < trimmed.size() ? trimmed.mid(start) : QByteArray();

    const qsizetype dateEnd = argument.indexOf("__");
    if (dateEnd >= 0) {
        const QByteArray dateText = argument.left(dateEnd);
        argument = argument.mid(dateEnd + 2);
        decision.hasDate = true;
        decision.year = datePart(dateText, 0, 4);
        decision.month = datePart(dateText, 5, 2);
        decision.day = datePart(dateText, 8, 2);
        decision.date = normaliseLinkDate(decision.year, decision.month, decision.day);
    }

    const qsizetype hash = argument.indexOf('#');
    if (hash >= 0) {
        decision.anchor = QString::fromUtf8(argument.mid(hash));
        argument.truncate(hash);
    }

    decision.id = atoiLike(argument);
    decision.intercept = decision.id != 0;
    return decision;
}

LinkDecision decideLink(const QString& url) {
    return decideLink(url.toUtf8());
}

int documentIdFromLocation(const QString& url) {
    QString name = url;
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        name = name.mid(slash + 1);
    if (name.size() < 5)
        return 0;
    // Drop ".html" and the file's letter D, T or B.
    return atoiLike(name.left(name.size() - 5).mid(1).toUtf8());
}
