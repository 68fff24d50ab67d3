#include "document/LinkProtocol.h"

#include <climits>
#include <gtest/gtest.h>

namespace {
LinkDecision link(const char* argument) {
    return decideLink(QByteArray("javascript:sestavDoc('") + argument + "')");
}
} // namespace

TEST(LinkProtocol, NoteOnlyAsTheWholeUrl) {
    const LinkDecision note = decideLink(QByteArray("javascript:OnNote()"));
    EXPECT_TRUE(note.intercept);
    EXPECT_TRUE(note.note);
    EXPECT_FALSE(decideLink(QByteArray("javascript:OnNote();")).intercept);
    EXPECT_FALSE(decideLink(QByteArray("javascript:onnote()")).intercept);
    EXPECT_FALSE(decideLink(QByteArray("x javascript:OnNote()")).note);
}

TEST(LinkProtocol, PlainIdentifierAnchorAndDate) {
    const LinkDecision plain = link("123");
    EXPECT_TRUE(plain.intercept);
    EXPECT_FALSE(plain.note);
    EXPECT_EQ(plain.id, 123);
    EXPECT_EQ(plain.anchor, "");
    EXPECT_FALSE(plain.hasDate);
    EXPECT_FALSE(plain.date);

    const LinkDecision anchored = link("123#par5");
    EXPECT_EQ(anchored.id, 123);
    EXPECT_EQ(anchored.anchor, "#par5");

    const LinkDecision dated = link("2007-01-01__123#par5");
    EXPECT_TRUE(dated.intercept);
    EXPECT_EQ(dated.id, 123);
    EXPECT_EQ(dated.anchor, "#par5");
    EXPECT_EQ(dated.date, QDate(2007, 1, 1));
    EXPECT_EQ(link("2007-01-01__123").date, QDate(2007, 1, 1));
}

TEST(LinkProtocol, FirstDoubleUnderscoreSplitsOffTheDateEvenAfterAHash) {
    const LinkDecision split = link("123#a__45");
    EXPECT_TRUE(split.hasDate);
    EXPECT_EQ(split.year, 123);
    EXPECT_EQ(split.month, 0);
    EXPECT_EQ(split.day, 0);
    EXPECT_EQ(split.id, 45);
    EXPECT_EQ(split.anchor, "");
    // The identifier of "123#a__b" comes from "b": not a document link.
    EXPECT_FALSE(link("123#a__b").intercept);
    // Only the first "__" counts; the anchor keeps the rest.
    const LinkDecision twice = link("2001-02-03__7#x__y");
    EXPECT_EQ(twice.id, 7);
    EXPECT_EQ(twice.anchor, "#x__y");
}

TEST(LinkProtocol, IdentifierZeroIsLeftToTheBrowser) {
    EXPECT_FALSE(link("0").intercept);
    EXPECT_FALSE(link("abc").intercept);
    EXPECT_FALSE(link("").intercept);
    EXPECT_FALSE(decideLink(QByteArray("javascript:sestavDoc('")).intercept);
    EXPECT_FALSE(decideLink(QByteArray("javascript:sestavDoc(")).intercept);
    EXPECT_FALSE(decideLink(QByteArray("file:///tmp/QrmHtml/D5.html")).intercept);
}

TEST(LinkProtocol, PrefixAtTheStartOrOfAPathSegmentAndCaseSensitive) {
    EXPECT_EQ(decideLink(QByteArray("file:///tmp/QrmHtml/javascript:sestavDoc('9')")).id, 9);
    EXPECT_FALSE(decideLink(QByteArray("http://x/?javascript:sestavDoc('101')")).intercept);
    EXPECT_FALSE(decideLink(QByteArray("about:blank#javascript:sestavDoc('9')")).intercept);
    EXPECT_FALSE(decideLink(QByteArray("http://x/?a=/javascript:sestavDoc('9')")).intercept);
    EXPECT_FALSE(decideLink(QByteArray("xjavascript:sestavDoc('9')")).intercept);
    EXPECT_FALSE(decideLink(QByteArray("javascript:SestavDoc('9')")).intercept);
    EXPECT_FALSE(decideLink(QByteArray("JAVASCRIPT:sestavDoc('9')")).intercept);
}

TEST(LinkProtocol, TrailingQuotesParenthesesAndBlanksAreTrimmed) {
    EXPECT_EQ(decideLink(QByteArray("javascript:sestavDoc('12') ') ")).id, 12);
    EXPECT_EQ(decideLink(QByteArray("javascript:sestavDoc('12#k')))")).anchor, "#k");
    EXPECT_EQ(decideLink(QByteArray("javascript:sestavDoc('12")).id, 12);
    // Like atoi: leading blanks and a sign, anything after the digits ignored.
    EXPECT_EQ(link("  42x").id, 42);
    EXPECT_EQ(link("-5").id, -5);
    EXPECT_TRUE(link("-5").intercept);
    EXPECT_EQ(link("99999999999999999999").id, INT_MAX);
    EXPECT_EQ(link("-99999999999999999999").id, INT_MIN);
}

TEST(LinkProtocol, AnchorKeepsItsText) {
    EXPECT_EQ(decideLink(QString::fromUtf8("javascript:sestavDoc('8#čl_5')")).anchor,
              QString::fromUtf8("#čl_5"));
    EXPECT_EQ(link("8##").anchor, "##");
}

TEST(LinkProtocol, OddDatesAreBroughtIntoTheCalendar) {
    const LinkDecision odd = link("2007-13-45__1");
    EXPECT_EQ(odd.year, 2007);
    EXPECT_EQ(odd.month, 13);
    EXPECT_EQ(odd.day, 45);
    EXPECT_EQ(odd.date, QDate(2007, 12, 31));
    EXPECT_EQ(link("2007-02-30__1").date, QDate(2007, 2, 28));
    EXPECT_EQ(link("2008-02-30__1").date, QDate(2008, 2, 29));
    EXPECT_EQ(link("2007__1").date, QDate(2007, 1, 1));
    EXPECT_EQ(link("2007-00-00__1").date, QDate(2007, 1, 1));
    // Positions 4 and 7 are not examined.
    EXPECT_EQ(link("2007x03y09__1").date, QDate(2007, 3, 9));
    // No year in the calendar: the link counts as undated (today's text).
    const LinkDecision noYear = link("abc__1");
    EXPECT_TRUE(noYear.hasDate);
    EXPECT_FALSE(noYear.date);
    EXPECT_TRUE(noYear.intercept);
    EXPECT_FALSE(link("__1").date);
    EXPECT_FALSE(link("-200-01-01__1").date);
}

TEST(LinkProtocol, DocumentIdFromLocation) {
    EXPECT_EQ(documentIdFromLocation("file:///run/user/0/QrmHtml/D123.html"), 123);
    EXPECT_EQ(documentIdFromLocation("file:///run/user/0/QrmHtml/T123.html"), 123);
    EXPECT_EQ(documentIdFromLocation("file:///run/user/0/QrmHtml/B123.html"), 123);
    EXPECT_EQ(documentIdFromLocation("D77.html"), 77);
    EXPECT_EQ(documentIdFromLocation("file:///opt/tavlin/Html/Index.html"), 0);
    EXPECT_EQ(documentIdFromLocation("file:///opt/tavlin/Html/Help.html"), 0);
    EXPECT_EQ(documentIdFromLocation("file:///x/D12"), 0);
    EXPECT_EQ(documentIdFromLocation("file:///x/.html"), 0);
    EXPECT_EQ(documentIdFromLocation("file:///x/"), 0);
    EXPECT_EQ(documentIdFromLocation(""), 0);
}
