#include "db/ListConditions.h"

#include <gtest/gtest.h>

namespace {
TEST(ListConditionsTest, AllChoicesGiveNoCondition) {
    EXPECT_EQ(filterCondition(0, -1), QString());
    EXPECT_EQ(novelizaceCondition(2), QString());
    EXPECT_EQ(baseConditionForTemplate(152), QString());
    EXPECT_EQ(joinConditions({QString(), QString()}), QString());
}

TEST(ListConditionsTest, TypeAloneHasNoLeadingAnd) {
    EXPECT_EQ(filterCondition(0, 0), QStringLiteral("(Dokument.Typ = 0)"));
    EXPECT_EQ(filterCondition(7, -1),
              QStringLiteral("(Dokument.ID IN (SELECT dokumentOblast.dokument FROM dokumentOblast "
                             "WHERE dokumentOblast.oblast = 7))"));
}

TEST(ListConditionsTest, ContentsRefilterJoinsInPageOrder) {
    EXPECT_EQ(joinConditions(
                  {baseConditionForTemplate(131), filterCondition(7, 2), novelizaceCondition(0)}),
              QStringLiteral("(dokument.pohled = 1) AND (Dokument.ID IN (SELECT "
                             "dokumentOblast.dokument FROM dokumentOblast WHERE "
                             "dokumentOblast.oblast = 7)) AND (Dokument.Typ = 2) AND "
                             "(dokument.typnovelizace = 1 OR dokument.typnovelizace = 3)"));
    EXPECT_EQ(joinConditions({baseConditionForTemplate(133), QString(), novelizaceCondition(1)}),
              QStringLiteral("(dokument.pohled = 3) AND (dokument.typnovelizace = 2 OR "
                             "dokument.typnovelizace = 3)"));
    EXPECT_EQ(baseConditionForTemplate(136), QStringLiteral("(dokument.pohled = 5)"));
}
} // namespace
