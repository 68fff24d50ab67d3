#include "build/ReferenceLinker.h"
#include "support/TestSupport.h"

#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

namespace {
// Document 1 is 586/1992 Sb. with paragraphs 2, 6, 7, 38 and 38h; document 2 is 589/1992 Sb.
// with paragraph 5.
class ReferenceLinkerTest : public ::testing::Test {
protected:
    QString linked(const QString& html, int self = 1) const {
        return linkReferences(html, self, m_targets);
    }

    QMap<QString, int> m_documents = {{"586/1992 Sb.", 1}, {"589/1992 Sb.", 2}};
    QMap<int, QSet<QString>> m_anchors = {{1, {"par2", "par6", "par7", "par38", "par38h"}},
                                          {2, {"par5"}}};
    ReferenceTargets m_targets{[this](const QString& norma) { return m_documents.value(norma, 0); },
                               [this](int document, const QString& anchor) {
                                   return m_anchors.value(document).contains(anchor);
                               }};
};
} // namespace

TEST_F(ReferenceLinkerTest, ParagraphsOfTheSameLaw) {
    EXPECT_EQ(linked("<p>podle § 38 a dále</p>"),
              "<p>podle <a href=\"javascript:sestavDoc('1#par38')\">§ 38</a> a dále</p>");
    EXPECT_EQ(linked("<p>(§ 38h odst. 2 písm. a) bodu 3)</p>"),
              "<p>(<a href=\"javascript:sestavDoc('1#par38h')\">§ 38h odst. 2 písm. a) bodu "
              "3</a>)</p>");
    EXPECT_EQ(linked("<p>§ 6 a 7, § 2 až 38 tohoto zákona</p>"),
              "<p><a href=\"javascript:sestavDoc('1#par6')\">§ 6</a> a <a "
              "href=\"javascript:sestavDoc('1#par7')\">7</a>, <a "
              "href=\"javascript:sestavDoc('1#par2')\">§ 2</a> až <a "
              "href=\"javascript:sestavDoc('1#par38')\">38</a> tohoto zákona</p>");
    // A paragraph the law does not have stays text, and so does a heading.
    EXPECT_EQ(linked("<p>§ 99 odst. 1</p>"), "<p>§ 99 odst. 1</p>");
    EXPECT_EQ(linked("<a name=\"par38\"></a><h3>§ 38</h3><h4>o § 6</h4>"),
              "<a name=\"par38\"></a><h3>§ 38</h3><h4>o § 6</h4>");
}

TEST_F(ReferenceLinkerTest, ParagraphsAndLawsOfOtherLaws) {
    EXPECT_EQ(linked("<p>podle § 5 odst. 1 zákona č. 589/1992 Sb., o pojistném</p>"),
              "<p>podle <a href=\"javascript:sestavDoc('2#par5')\">§ 5 odst. 1</a> <a "
              "href=\"javascript:sestavDoc('2')\">zákona č. 589/1992 Sb.</a>, o pojistném</p>");
    // Both paragraphs of a chain belong to the law named after it.
    EXPECT_EQ(linked("<p>§ 6 a § 5 zákona č. 589/1992 Sb.</p>"),
              "<p>§ 6 a <a href=\"javascript:sestavDoc('2#par5')\">§ 5</a> <a "
              "href=\"javascript:sestavDoc('2')\">zákona č. 589/1992 Sb.</a></p>");
    EXPECT_EQ(linked("<p>zákon č. 586/1992 Sb., o daních z příjmů</p>", 2),
              "<p><a href=\"javascript:sestavDoc('1')\">zákon č. 586/1992 Sb.</a>, o daních z "
              "příjmů</p>");
    EXPECT_EQ(linked("<p>zákona ČNR č. 586/1992 Sb.</p>", 2),
              "<p><a href=\"javascript:sestavDoc('1')\">zákona ČNR č. 586/1992 Sb.</a></p>");
    // Laws the collection lacks, laws named only by their title and the law itself stay text.
    EXPECT_EQ(linked("<p>§ 6 zákona č. 1/1990 Sb. a zákon č. 1/1990 Sb.</p>"),
              "<p>§ 6 zákona č. 1/1990 Sb. a zákon č. 1/1990 Sb.</p>");
    EXPECT_EQ(linked("<p>§ 6 zákoníku práce, § 7 obchodního zákoníku, § 2 daňového řádu</p>"),
              "<p>§ 6 zákoníku práce, § 7 obchodního zákoníku, § 2 daňového řádu</p>");
    EXPECT_EQ(linked("<p>zákona č. 586/1992 Sb.</p>"), "<p>zákona č. 586/1992 Sb.</p>");
}

TEST_F(ReferenceLinkerTest, LeavesMarkupAndExistingLinksAlone) {
    const QString html = "<p class=\"x\"><a href=\"#pozn1\"><sup>§ 6)</sup></a> &amp; § 6</p>";
    EXPECT_EQ(linked(html), "<p class=\"x\"><a href=\"#pozn1\"><sup>§ 6)</sup></a> &amp; <a "
                            "href=\"javascript:sestavDoc('1#par6')\">§ 6</a></p>");
    EXPECT_EQ(linked("text bez značek § 6"),
              "text bez značek <a href=\"javascript:sestavDoc('1#par6')\">§ 6</a>");
    EXPECT_EQ(linked("<p>neuzavřená <značka § 6"), "<p>neuzavřená <značka § 6");
}
