#include "search/SearchExpression.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
QStringList highlight(const QString& text) {
    QStringList words{QStringLiteral("left over")};
    SplitHighlightWords(words, text);
    return words;
}

struct QueryCase {
    const char* text;
    const char* query;
};

// Names the case by its text, so that test names stay the same from build to build.
void PrintTo(const QueryCase& example, std::ostream* os) {
    *os << '[' << QString::fromUtf8(example.text).replace('\t', "\\t").toStdString() << ']';
}

class BuildQueryTest : public ::testing::TestWithParam<QueryCase> {};
} // namespace

TEST_P(BuildQueryTest, GivesTheQuery) {
    EXPECT_EQ(BuildQuery(QString::fromUtf8(GetParam().text)), QString::fromUtf8(GetParam().query));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BuildQueryTest,
    ::testing::Values(
        QueryCase{"daň z příjmů", "daň příjmů"}, QueryCase{"daň nebo clo", "daň OR clo"},
        QueryCase{"Daně A Poplatky", "daně AND poplatky"},
        QueryCase{"pojistné ne zdravotní", "pojistné NOT zdravotní"},
        QueryCase{"odpočet u daně", "\"odpočet daně\"~8"},
        QueryCase{"\"daň z přidané hodnoty\" sazba", " \"daň z přidané hodnoty\" sazba"},
        QueryCase{"x \"plátce daně", " \"plátce daně\""}, QueryCase{"ab", ""},
        QueryCase{"nebo", "nebo"}, QueryCase{"", ""}, QueryCase{"   ", ""}, QueryCase{"ab cd", ""},
        QueryCase{"a b c", "AND"}, QueryCase{"\"x y\"\"z\"", " \"x y\" \"z\""},
        QueryCase{"daň u příjmů u firem", "\"daň příjmů U firem\"~8"},
        QueryCase{"daň  nebo   clo", "daň OR clo"}, QueryCase{"daň nebo", "daň nebo"},
        QueryCase{"daň a", "daň"}, QueryCase{"ČÍSLO ŘÁDKU", "číslo řádku"},
        QueryCase{"ne or daň", "NOT daň"}, QueryCase{"\tdaň z\t", "daň"},
        QueryCase{"daň \"clo\" nebo sazba", "daň \"clo\" OR sazba"},
        QueryCase{"\"clo\" u sazba", "\" \"clo\" sazba\"~8"}, QueryCase{"jeden dva", "jeden dva"},
        // Characters, not UTF-16 units: two letters outside the basic plane are a short word.
        QueryCase{"\U0001D4B3\U0001D4B4 daň", "daň"},
        QueryCase{"daň \U0001D4B3\U0001D4B4\U0001D4B5", "daň \U0001D4B3\U0001D4B4\U0001D4B5"}));

TEST(SplitHighlightWords, Examples) {
    EXPECT_EQ(highlight("daň z příjmů"), (QStringList{"daň", "příjmů"}));
    EXPECT_EQ(highlight("pojistné ne zdravotní"), (QStringList{"pojistné"}));
    EXPECT_EQ(highlight("\"daň z přidané hodnoty\" sazba*"),
              (QStringList{"daň z přidané hodnoty", "sazba"}));
    EXPECT_EQ(highlight("odpočet u daně"), (QStringList{"odpočet", "daně"}));
}

TEST(SplitHighlightWords, ConnectingWordsAreRemovedInEnglishToo) {
    EXPECT_EQ(highlight("Daň NEBO clo a poplatek or sazba and výše"),
              (QStringList{"daň", "clo", "poplatek", "sazba", "výše"}));
    EXPECT_EQ(highlight("daň a a a clo"), (QStringList{"daň", "clo"}));
}

TEST(SplitHighlightWords, ShortWordsSurviveOnlyAtTheEnd) {
    EXPECT_EQ(highlight("xy daň ab"), (QStringList{"daň", "ab"}));
    EXPECT_EQ(highlight("daň ***"), (QStringList{"daň", ""}));
    EXPECT_EQ(highlight("daň  clo"), (QStringList{"daň", "clo"}));
    EXPECT_EQ(highlight("\U0001D4B3\U0001D4B4 daň"), (QStringList{"daň"}));
    EXPECT_EQ(highlight(""), QStringList());
}

TEST(SplitHighlightWords, NegationCutsOnlyAtTheSeparateWord) {
    EXPECT_EQ(highlight("jeden ne dva"), (QStringList{"jeden"}));
    EXPECT_EQ(highlight("jeden nejvíce"), (QStringList{"jeden", "nejvíce"}));
    EXPECT_EQ(highlight("daň \"x ne y\""), (QStringList{"daň", "x"}));
}

TEST(SplitHighlightWords, PhrasesKeepTheirWordsAndStars) {
    EXPECT_EQ(highlight("\"sazba* daně\" clo"), (QStringList{"sazba* daně", "clo"}));
    EXPECT_EQ(highlight("\"x y\"\"z\""), (QStringList{"x y", "z"}));
    EXPECT_EQ(highlight("\"  daň  \""), (QStringList{"daň"}));
}

TEST(SplitHighlightWords, UnmatchedQuoteHighlightsWordsSingly) {
    EXPECT_EQ(highlight("clo \"plátce daně z"), (QStringList{"clo", "plátce", "daně", "z"}));
}

TEST(ConvertWords, LastWordIsNeverAnOperator) {
    EXPECT_EQ(ConvertWords("daň u"), "daň");
    EXPECT_EQ(ConvertWords("daň ne"), "daň");
    EXPECT_EQ(ConvertWords("u daň"), "U daň");
    EXPECT_EQ(ConvertWords("a nebo"), "AND nebo");
}

TEST(SplitWords, AppendsToWhatIsThere) {
    QStringList words{"první"};
    SplitWords(words, " ab cde* f ");
    EXPECT_EQ(words, (QStringList{"první", "cde", "f"}));
}

// A pasted megabyte is parsed in one walk: these took from 20 s to over a minute when words were
// cut off the front of the text one by one.
TEST(SearchExpressionOfAMegabyte, Quotes) {
    const QString quotes(1 << 20, QLatin1Char('"'));
    EXPECT_EQ(BuildQuery(quotes), QString(" \"\"").repeated(1 << 19));
    EXPECT_EQ(highlight(quotes), QStringList(1 << 19, QString()));
    // The last quote is unmatched and closed at the end.
    EXPECT_EQ(BuildQuery(quotes + "\""), QString(" \"\"").repeated((1 << 19) + 1));
}

TEST(SearchExpressionOfAMegabyte, QuotedPhrases) {
    const qsizetype count = (1 << 20) / 15;
    const QString text = QString("\"Daň z příjmů\" ").repeated(count);
    EXPECT_EQ(BuildQuery(text), QString(" \"daň z příjmů\"").repeated(count));
    EXPECT_EQ(highlight(text), QStringList(count, "daň z příjmů"));
}

TEST(SearchExpressionOfAMegabyte, Prefixes) {
    const QString joined = QString("a*").repeated(1 << 19);
    EXPECT_EQ(BuildQuery(joined), joined);
    EXPECT_EQ(highlight(joined), QStringList{QString(1 << 19, QLatin1Char('a'))});
    // Separated, every "a*" is a short word: dropped, but the last one is marked.
    const QString separated = QString("a* ").repeated((1 << 20) / 3);
    EXPECT_EQ(BuildQuery(separated), "");
    EXPECT_EQ(highlight(separated), QStringList{"a"});
}

TEST(SearchExpressionOfAMegabyte, ConnectingWords) {
    const qsizetype count = (1 << 20) / 2;
    const QString ands = "daň" + QString(" a").repeated(count) + " clo";
    EXPECT_EQ(BuildQuery(ands), "daň" + QString(" AND").repeated(count) + " clo");
    EXPECT_EQ(highlight(ands), (QStringList{"daň", "clo"}));
    // Only the first "u" is proximity; each of the others stays an operator in the text.
    const QString nears = "daň" + QString(" u").repeated(count) + " clo";
    EXPECT_EQ(BuildQuery(nears), "\"daň" + QString(" U").repeated(count - 1) + " clo\"~8");
    EXPECT_EQ(highlight(nears), (QStringList{"daň", "clo"}));
    const QString ors = "daň" + QString(" nebo or").repeated(count / 4) + " clo";
    EXPECT_EQ(highlight(ors), (QStringList{"daň", "clo"}));
}
