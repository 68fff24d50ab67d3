#include "search/HistoryArchive.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(HistoryArchive, LayoutOfShortEntries) {
    const QByteArray encoded = EncodeHistory({"daň", "ab"});
    EXPECT_EQ(encoded, QByteArray("\x02\x00\x04"
                                  "da\xc5\x88"
                                  "\x02"
                                  "ab",
                                  10));
    EXPECT_EQ(DecodeHistory(encoded), (QStringList{"daň", "ab"}));
}

TEST(HistoryArchive, LongLengthsUseTheEscapedPrefixes) {
    const QString at254(254, QLatin1Char('x'));
    const QString at255(255, QLatin1Char('y'));
    const QString at65534(0xFFFE, QLatin1Char('z'));
    const QByteArray encoded = EncodeHistory({at254, at255, at65534});
    EXPECT_EQ(encoded.mid(2, 1), QByteArray("\xfe", 1));
    EXPECT_EQ(encoded.mid(3 + 254, 3), QByteArray("\xff\xff\x00", 3));
    EXPECT_EQ(encoded.mid(3 + 254 + 3 + 255, 7), QByteArray("\xff\xff\xff\xfe\xff\x00\x00", 7));
    EXPECT_EQ(DecodeHistory(encoded), (QStringList{at254, at255, at65534}));
}

TEST(HistoryArchive, EmptyArrayRoundTrips) {
    EXPECT_EQ(DecodeHistory(EncodeHistory({})), QStringList());
}

TEST(HistoryArchive, DamagedValuesAreRefused) {
    // Counts and lengths that run past the end, a huge count, a missing count, bytes left over.
    EXPECT_FALSE(DecodeHistory(QByteArray("\x05\x00\x01x", 4)));
    EXPECT_FALSE(DecodeHistory(QByteArray("\x01\x00\x09xy", 5)));
    EXPECT_FALSE(DecodeHistory(QByteArray("\xff\xff\xff\xff\xff\xff\x01x", 8)));
    EXPECT_FALSE(DecodeHistory(QByteArray("\x01\x00\xff\xff\xff\xff\xff\xff\x7f", 9)));
    EXPECT_FALSE(DecodeHistory(QByteArray("\x01", 1)));
    EXPECT_FALSE(DecodeHistory(QByteArray("\x01\x00\x01xy", 5)));
    EXPECT_FALSE(DecodeHistory(QByteArray("\x01\x00\xff\x01", 4)));
}
