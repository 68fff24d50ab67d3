#include "document/TextFind.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
std::vector<int> pressFind(FindBookmarks& state, const QString& text, const QString& needle,
                           int presses, int* messages = nullptr) {
    std::vector<int> starts;
    for (int i = 0; i < presses; ++i) {
        const FindOutcome outcome = findInText(state, text, needle);
        starts.push_back(outcome.hit.start);
        if (messages && outcome.message == FindMessage::NotFound)
            ++*messages;
    }
    return starts;
}

using Step = FindOutcome (*)(FindBookmarks&, const QString&, const QStringList&);
std::vector<QString> pressSearched(FindBookmarks& state, const QString& text,
                                   const QStringList& words, Step stepFn, int presses,
                                   int* messages) {
    std::vector<QString> hits;
    for (int i = 0; i < presses; ++i) {
        const FindOutcome outcome = stepFn(state, text, words);
        if (outcome.message == FindMessage::NotFound)
            ++*messages;
        hits.push_back(outcome.hit.found()
                           ? QStringLiteral("%1:%2")
                                 .arg(outcome.hit.start)
                                 .arg(text.mid(outcome.hit.start, outcome.hit.length))
                           : QStringLiteral("-"));
    }
    return hits;
}
} // namespace

TEST(FindInText, NextSearchStartsTwoCharactersAfterThePreviousHitAndWrapsSilently) {
    FindBookmarks state;
    int messages = 0;
    // Adjacent one-character occurrences: the second is skipped.
    EXPECT_EQ(pressFind(state, QStringLiteral("aa"), QStringLiteral("a"), 3, &messages),
              (std::vector<int>{0, 0, 0}));
    state.reset();
    EXPECT_EQ(pressFind(state, QStringLiteral("aaa"), QStringLiteral("a"), 3, &messages),
              (std::vector<int>{0, 2, 0}));
    state.reset();
    EXPECT_EQ(
        pressFind(state, QStringLiteral("Daň, daň a DAŇ"), QStringLiteral("daň"), 4, &messages),
        (std::vector<int>{0, 5, 11, 0}));
    EXPECT_EQ(messages, 0);
}

TEST(FindInText, MissingTextGivesTheMessageAtEveryPressAndEmptyTextAsksForOne) {
    FindBookmarks state;
    int messages = 0;
    EXPECT_EQ(pressFind(state, QStringLiteral("zákon"), QStringLiteral("daň"), 3, &messages),
              (std::vector<int>{-1, -1, -1}));
    EXPECT_EQ(messages, 3);
    EXPECT_EQ(findInText(state, QStringLiteral("zákon"), QString()).message,
              FindMessage::EnterText);
    // On an empty page too.
    EXPECT_EQ(findInText(state, QString(), QStringLiteral("a")).message, FindMessage::NotFound);
}

TEST(FindInText, ChangedTextOrLostBookmarkStartsAtTheTop) {
    FindBookmarks state;
    const QString text = QStringLiteral("a b a b");
    EXPECT_EQ(findInText(state, text, QStringLiteral("a")).hit.start, 0);
    EXPECT_EQ(findInText(state, text, QStringLiteral("a")).hit.start, 4);
    EXPECT_EQ(findInText(state, text, QStringLiteral("b")).hit.start, 2);
    // The case of the text counts as a change, as any other difference does.
    EXPECT_EQ(findInText(state, text, QStringLiteral("B")).hit.start, 2);
    // A page shorter than the bookmark: the search starts afresh and still finds.
    state.m_nFindBookmark = 500;
    const FindOutcome outcome = findInText(state, text, QStringLiteral("B"));
    EXPECT_EQ(outcome.hit.start, 2);
    EXPECT_EQ(outcome.message, FindMessage::None);
}

TEST(FindInText, BlanksMatchAnyWhiteSpaceAndCaseIsIgnored) {
    const QString text = QStringLiteral("§ 1\nDAŇ Z\u00a0 PŘÍJMŮ\n");
    const TextHit hit = findForward(text, QStringLiteral("daň z příjmů"), 0);
    EXPECT_EQ(hit.start, 4);
    EXPECT_EQ(hit.length, 13);
    EXPECT_FALSE(findForward(text, QStringLiteral("daňz"), 0).found());
    EXPECT_FALSE(findForward(text, QStringLiteral("   "), 0).found());
    // Backwards, an occurrence must end before the limit.
    EXPECT_EQ(findBackward(QStringLiteral("abcabc"), QStringLiteral("abc"), 5).start, 0);
    EXPECT_EQ(findBackward(QStringLiteral("abcabc"), QStringLiteral("abc"), 6).start, 3);
    // A character outside the basic plane is stepped over whole.
    FindBookmarks state;
    const QString wide = QStringLiteral("\U0001F4D6\U0001F4D6");
    EXPECT_EQ(findInText(state, wide, QStringLiteral("\U0001F4D6")).hit.start, 0);
    EXPECT_EQ(state.m_nFindBookmark, 2);
}

TEST(FindSearchedWords, NextTakesTheNearestWordAfterThePositionAndWrapsSilently) {
    // příjem 0, daň 10, příjem 20, daň 31
    const QString text = QStringLiteral("příjem ... daň ... příjem ... daň.");
    const QStringList words{QStringLiteral("daň"), QStringLiteral("příjem")};
    FindBookmarks state;
    int messages = 0;
    EXPECT_EQ(pressSearched(state, text, words, findSearchedNext, 5, &messages),
              (std::vector<QString>{"0:příjem", "11:daň", "19:příjem", "30:daň", "0:příjem"}));
    EXPECT_EQ(messages, 0);
}

TEST(FindSearchedWords, PreviousTakesTheNearestWordBeforeThePositionAndWrapsSilently) {
    const QString text = QStringLiteral("příjem ... daň ... příjem ... daň.");
    const QStringList words{QStringLiteral("daň"), QStringLiteral("příjem")};
    FindBookmarks state;
    int messages = 0;
    EXPECT_EQ(pressSearched(state, text, words, findSearchedPrevious, 5, &messages),
              (std::vector<QString>{"30:daň", "19:příjem", "11:daň", "0:příjem", "30:daň"}));
    // Both directions share the position.
    EXPECT_EQ(pressSearched(state, text, words, findSearchedNext, 1, &messages),
              (std::vector<QString>{"0:příjem"}));
    EXPECT_EQ(pressSearched(state, text, words, findSearchedPrevious, 1, &messages),
              (std::vector<QString>{"30:daň"}));
    EXPECT_EQ(messages, 0);
}

TEST(FindSearchedWords, EqualPositionsGoToTheEarlierWordAndNothingFoundGivesTheMessage) {
    const QString text = QStringLiteral("daň z příjmů");
    FindBookmarks state;
    int messages = 0;
    EXPECT_EQ(pressSearched(state, text, {QStringLiteral("daň z"), QStringLiteral("daň")},
                            findSearchedNext, 1, &messages),
              (std::vector<QString>{"0:daň z"}));
    state.reset();
    EXPECT_EQ(pressSearched(state, text, {QStringLiteral("daň"), QStringLiteral("daň z")},
                            findSearchedPrevious, 1, &messages),
              (std::vector<QString>{"0:daň"}));
    EXPECT_EQ(messages, 0);
    state.reset();
    EXPECT_EQ(pressSearched(state, text, {QStringLiteral("nájem")}, findSearchedNext, 2, &messages),
              (std::vector<QString>{"-", "-"}));
    EXPECT_EQ(pressSearched(state, text, {}, findSearchedPrevious, 1, &messages),
              (std::vector<QString>{"-"}));
    EXPECT_EQ(messages, 3);
}

TEST(FindInText, AllOccurrencesAreThoseTheSteppingVisits) {
    // Adjacent one-character hits: the stepping skips every second, and so does the count.
    const QString text = QStringLiteral("aaaa b A");
    const std::vector<TextHit> all = findAllInText(text, QStringLiteral("a"));
    std::vector<int> starts;
    for (const TextHit& hit : all)
        starts.push_back(hit.start);
    EXPECT_EQ(starts, (std::vector<int>{0, 2, 7}));
    FindBookmarks state;
    for (size_t i = 0; i < all.size(); ++i) {
        const FindOutcome outcome = findInText(state, text, QStringLiteral("a"));
        EXPECT_EQ(occurrenceNumber(all, outcome.hit.start), static_cast<int>(i) + 1);
    }
    // After the last the stepping wraps to occurrence 1.
    EXPECT_EQ(occurrenceNumber(all, findInText(state, text, QStringLiteral("a")).hit.start), 1);
    EXPECT_EQ(occurrenceNumber(all, 1), 0);
    EXPECT_TRUE(findAllInText(text, QStringLiteral("x")).empty());
    EXPECT_TRUE(findAllInText(text, QStringLiteral(" ")).empty());
    // Blanks match runs of white space across a line break.
    EXPECT_EQ(
        findAllInText(QStringLiteral("daň z\npříjmů, daň  z"), QStringLiteral("daň z")).size(), 2u);
}
