#include "navigation/PackedTexts.h"

#include <gtest/gtest.h>

TEST(PackedTexts, PartsJoinedKeepEveryTextWhateverItsLetters) {
    PackedTexts first;
    first.append(QStringView(u"Zákon o dani z přidané hodnoty"));
    first.append(QStringView(u""));
    first.append(QByteArrayView("586/1992 Sb."));
    PackedTexts second;
    second.append(QStringView(u"Řád 𝔄"));
    second.append(QByteArrayView(""));
    PackedTexts joined;
    joined.append(first);
    joined.append(second);
    ASSERT_EQ(joined.size(), 5);
    EXPECT_EQ(joined.value(0), QStringLiteral("Zákon o dani z přidané hodnoty"));
    EXPECT_TRUE(joined.value(1).isEmpty());
    EXPECT_EQ(joined.utf8At(2), QByteArrayView("586/1992 Sb."));
    EXPECT_EQ(joined.value(3), QString::fromUtf8("Řád 𝔄"));
    EXPECT_TRUE(joined.utf8At(4).isEmpty());
    EXPECT_TRUE(joined.value(5).isEmpty());
    EXPECT_TRUE(joined.value(-1).isEmpty());
    joined.clear();
    EXPECT_TRUE(joined.isEmpty());
    joined.append(QStringView(u"č"));
    EXPECT_EQ(joined.utf8At(0), QByteArrayView("\xc4\x8d"));
}
