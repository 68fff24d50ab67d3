#include "search/FormTokenTable.h"

#include <gtest/gtest.h>

// Many forms, so that the table grows several times, each found again with its own tokens;
// forms that differ only in length or share a prefix stay apart.
TEST(FormTokenTable, EveryStoredFormIsFoundAfterGrowing) {
    FormTokenTable table;
    constexpr int kForms = 20000;
    for (int i = 0; i < kForms; ++i)
        table.insert("slovo" + std::to_string(i), {"=lemma" + std::to_string(i)});
    for (int i = 0; i < kForms; ++i) {
        const auto* tokens = table.find("slovo" + std::to_string(i));
        ASSERT_NE(tokens, nullptr) << i;
        EXPECT_EQ(*tokens, std::vector<std::string>{"=lemma" + std::to_string(i)});
    }
    EXPECT_EQ(table.find("slovo"), nullptr);
    EXPECT_EQ(table.find("slovo20000"), nullptr);
    EXPECT_EQ(table.find(""), nullptr);
}

TEST(FormTokenTable, AFormStoredTwiceKeepsItsFirstTokensAndAnEmptyListIsStored) {
    FormTokenTable table;
    table.insert("daň", {});
    EXPECT_EQ(table.insert("daně", {"=daň"}), std::vector<std::string>{"=daň"});
    EXPECT_EQ(table.insert("daně", {"=jiné"}), std::vector<std::string>{"=daň"});
    const auto* none = table.find("daň");
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(none->empty());
}
