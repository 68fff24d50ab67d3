#include "db/CzechCollation.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <unicode/ucol.h>

namespace {
// The collator's own answer, ties broken by the bytes.
int collatorOrder(const QByteArray& left, const QByteArray& right) {
    static UCollator* collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        return ucol_open("cs", &status);
    }();
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        ucol_strcollUTF8(collator, left.constData(), static_cast<int32_t>(left.size()),
                         right.constData(), static_cast<int32_t>(right.size()), &status);
    if (result != UCOL_EQUAL)
        return result == UCOL_LESS ? -1 : 1;
    return left < right ? -1 : (right < left ? 1 : 0);
}

int order(const QByteArray& left, const QByteArray& right) {
    return compareCzech({left.constData(), static_cast<std::size_t>(left.size())},
                        {right.constData(), static_cast<std::size_t>(right.size())});
}
} // namespace

// Numbers, digraphs, letters with diacritics and punctuation, mostly with a shared start, so
// that every kind of first difference is met many times.
TEST(CzechCollationTest, AgreesWithTheCollatorOnMixedTexts) {
    const QStringList pieces = {"0",  "1", "2", "5", "9", "10", "c", "h", "C",   "H",        "ch",
                                "Ch", "a", "A", "z", "Z", "č",  "Č", "ř", "š",   "ž",        "á",
                                "í",  "ů", " ", "/", ".", ",",  "-", "§", "Sb.", "Zákon č. "};
    QRandomGenerator random(11);
    const auto text = [&](int pieceCount) {
        QString result;
        for (int i = 0; i < pieceCount; ++i)
            result += pieces[random.bounded(static_cast<int>(pieces.size()))];
        return result.toUtf8();
    };
    int fastCases = 0;
    for (int i = 0; i < 100000; ++i) {
        const QByteArray shared = text(random.bounded(4));
        const QByteArray left = shared + text(random.bounded(4));
        const QByteArray right = shared + text(random.bounded(4));
        ASSERT_EQ(order(left, right), collatorOrder(left, right))
            << left.constData() << " | " << right.constData();
        ASSERT_EQ(order(right, left), -order(left, right));
        const auto mismatch = std::mismatch(left.begin(), left.end(), right.begin(), right.end());
        if (mismatch.first != left.end() && mismatch.second != right.end() &&
            QChar::fromLatin1(*mismatch.first).isDigit() &&
            QChar::fromLatin1(*mismatch.second).isDigit())
            ++fastCases;
    }
    EXPECT_GT(fastCases, 1000);
}

TEST(CzechCollationTest, NumbersAndDigraphsInCzechOrder) {
    const QList<QByteArray> sorted = {"1/1990 Sb.",
                                      "12/1990 Sb.",
                                      "2/1990 Sb.",
                                      "c1",
                                      "cz",
                                      "č",
                                      "h",
                                      "ch1",
                                      "chz",
                                      "i",
                                      "Zákon č. 1/1996 Sb.",
                                      "Zákon č. 9/1996 Sb."};
    for (qsizetype i = 0; i + 1 < sorted.size(); ++i) {
        EXPECT_LT(order(sorted[i], sorted[i + 1]), 0) << sorted[i].constData();
        EXPECT_GT(order(sorted[i + 1], sorted[i]), 0) << sorted[i].constData();
    }
    EXPECT_EQ(order("12/1990 Sb.", "12/1990 Sb."), 0);
}
