#include "build/LawFile.h"
#include "build/LawSplitter.h"
#include "build/MarkdownHtml.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
const QByteArray g_strMatter = "---\ncitace: 7/2001 Sb.\nnazev: zákon o něčem\nucinnost_od: "
                               "2001-05-01\n---\n";

QString errorOf(const QByteArray& bytes) {
    try {
        parseLawText(bytes, QStringLiteral("f.md"));
    } catch (const LawFileError& error) {
        return error.text();
    }
    return QStringLiteral("no error");
}

QStringList keysOf(const QList<LawBlock>& blocks) {
    QStringList keys;
    for (const LawBlock& block : blocks)
        keys << block.key;
    return keys;
}
} // namespace

TEST(LawFile, BadInputIsReportedWithItsLine) {
    EXPECT_EQ(errorOf(""), "f.md:1: the file is empty");
    EXPECT_EQ(errorOf(" \n\n"), "f.md:1: the file is empty");
    EXPECT_EQ(errorOf("# 7/2001 Sb.\n### § 1\nText.\n"),
              "f.md:1: no front matter: the file must begin with '---'");
    EXPECT_EQ(errorOf("---\ncitace: 7/2001 Sb.\nvolný text\n"), "f.md:3: expected 'key: value'");
    EXPECT_EQ(errorOf("---\ncitace: 7/2001 Sb.\n"),
              "f.md:1: the front matter is not closed by '---'");
    EXPECT_EQ(errorOf("---\ncitace: 7/2001 Sb.\ncitace: 8/2001 Sb.\n---\n"),
              "f.md:3: the key 'citace' is given twice");
    EXPECT_EQ(errorOf("---\n  - volny\n---\n"), "f.md:2: a list item without its key");
    EXPECT_EQ(errorOf("---\nnazev: \"neuzavřeno\n---\n"), "f.md:2: the quoted value is not closed");
    EXPECT_EQ(errorOf("---\ncitace: 7/2001 Sb.\nucinnost_od: 2001-05-01\n---\n### § 1\n"),
              "f.md:4: the front matter has no 'nazev'");
    EXPECT_EQ(errorOf("---\ncitace: sedm\nnazev: x\nucinnost_od: 2001-05-01\n---\n### § 1\n"),
              "f.md:2: 'citace' is not a number of the form 586/1992 Sb.");
    EXPECT_EQ(errorOf("---\ncitace: 7/2001 Sb.\nnazev: x\nucinnost_od: 2001-02-30\n---\n"),
              "f.md:4: 'ucinnost_od' is not a date YYYY-MM-DD");
    EXPECT_EQ(errorOf(g_strMatter + "# 7/2001 Sb.\nJen text bez paragrafů.\n"),
              "f.md:6: unknown layout: no paragraph heading ('### § 1') in the text");
    EXPECT_EQ(errorOf("---\ncitace: 7/2001 Sb.\nnazev: x\nucinnost_od: 2001-05-01\n---"),
              "f.md:5: unknown layout: no paragraph heading ('### § 1') in the text");
    EXPECT_EQ(errorOf(g_strMatter + "### § 1\nDobrý řádek.\nšpatný \xC5 bajt\n"),
              "f.md:8: not UTF-8 text");
    EXPECT_EQ(errorOf(g_strMatter + "### § 1\n\xFF\n"), "f.md:7: not UTF-8 text");
}

TEST(LawFile, AcceptsQuotesCrLfAndAByteOrderMark) {
    const LawText law = parseLawText("\xEF\xBB\xBF---\r\ncitace: '7/2001 Sb.'\r\nnazev: \"zákon "
                                     "o \\\"něčem\\\"\"\r\nucinnost_od: 2001-05-01\r\n---\r\n"
                                     "### § 1\r\nText.\r\n",
                                     QStringLiteral("f.md"));
    EXPECT_EQ(law.citace, "7/2001 Sb.");
    EXPECT_EQ(law.nazev, "zákon o \"něčem\"");
    ASSERT_EQ(law.sections.size(), 1);
    EXPECT_EQ(law.sections[0].html, "<a name=\"par1\"></a><h3>§ 1</h3>\n<p>Text.</p>\n");
}

TEST(LawSplitter, CutsHeaderHeadingsParagraphsAnnexesAndFootnotes) {
    const QStringList lines = {"# 7/2001 Sb.",
                               "Úvod.",
                               "## ČÁST PRVNÍ",
                               "**OBECNĚ**",
                               "### HLAVA I",
                               "#### § 1",
                               "Text s předpisem1).",
                               "#### § 38h",
                               "### HLAVA I",
                               "## § 38ha",
                               "Text.",
                               "## ČÁST DRUHÁ",
                               "### HLAVA I",
                               "### § 2",
                               "Příloha",
                               "Obsah přílohy.",
                               "Příloha č. 2 k zákonu č. 7/2001 Sb.",
                               "1) Zákon č. 1/2000 Sb.",
                               "",
                               "12a) Zákon č. 2/2000 Sb."};
    const QList<LawBlock> blocks = splitLaw(lines, 10);
    EXPECT_EQ(keysOf(blocks),
              QStringList({"", "cast-prvni", "cast-prvni-hlava-i", "par1", "par38h",
                           "cast-prvni-hlava-i-2", "par38ha", "cast-druha", "cast-druha-hlava-i",
                           "par2", "priloha", "priloha2", "poznamky"}));
    EXPECT_EQ(blocks[0].lines, QStringList({"# 7/2001 Sb.", "Úvod."}));
    EXPECT_EQ(blocks[3].kind, LawBlock::Paragraph);
    EXPECT_EQ(blocks[3].heading, "§ 1");
    EXPECT_EQ(blocks[3].line, 15);
    EXPECT_EQ(blocks[10].kind, LawBlock::Annex);
    EXPECT_EQ(blocks[10].lines, QStringList({"Obsah přílohy."}));
    EXPECT_EQ(blocks[12].kind, LawBlock::Footnotes);
    EXPECT_EQ(blocks[12].lines.size(), 3);
    // A sentence that mentions an annex, or a numbered line inside the text, starts nothing.
    const QList<LawBlock> plain =
        splitLaw({"### § 1", "Přílohou žádosti je plán.", "Příloha obsahuje plán, jak je dáno.",
                  "1) bod uprostřed", "Konec."},
                 1);
    EXPECT_EQ(keysOf(plain), QStringList({"", "par1"}));
}

TEST(MarkdownHtml, InlineMarkupEscapesAndFootnoteMarks) {
    MarkdownHtml markdown;
    markdown.setFootnotes({"1", "22a"});
    EXPECT_EQ(markdown.inlineHtml("**tučně** a *kurzíva*"), "<b>tučně</b> a <i>kurzíva</i>");
    EXPECT_EQ(markdown.inlineHtml("a < b & c > d \"q\" &lt;= &#38; &#x26; &nic"),
              "a &lt; b &amp; c &gt; d &quot;q&quot; &lt;= &#38; &#x26; &amp;nic");
    EXPECT_EQ(markdown.inlineHtml("\\*ne\\* **neuzavřeno *ani"), "*ne* **neuzavřeno *ani");
    EXPECT_EQ(markdown.inlineHtml("předpisy1) a zákona,22a) ale ne 1) ani předpisy2) ani (1)"),
              "předpisy<a href=\"#pozn1\"><sup>1)</sup></a> a zákona,<a "
              "href=\"#pozn22a\"><sup>22a)</sup></a> ale ne 1) ani předpisy2) ani (1)");
}

TEST(MarkdownHtml, BlocksListsTablesAndNotes) {
    const MarkdownHtml markdown;
    EXPECT_EQ(markdown.blocksHtml({"(1) Text", "- a) první", "- 1. vnořený", "- b) druhé",
                                   "(2) Další", "- 1. bod", "- a) vnořené"}),
              "<p>(1) Text</p>\n<p class=\"bod1\">a) první</p>\n<p class=\"bod2\">1. "
              "vnořený</p>\n<p class=\"bod1\">b) druhé</p>\n<p>(2) Další</p>\n<p "
              "class=\"bod1\">1. bod</p>\n<p class=\"bod2\">a) vnořené</p>\n");
    EXPECT_EQ(markdown.blocksHtml({"| A | B |", "|---|:-:|", "| 1 | x \\| y |", "| 2 |"}),
              "<table><tr><th>A</th><th>B</th></tr><tr><td>1</td><td>x | "
              "y</td></tr><tr><td>2</td></tr></table>\n");
    EXPECT_EQ(markdown.blocksHtml({"| jen | řádek |"}),
              "<table><tr><td>jen</td><td>řádek</td></tr></table>\n");
    EXPECT_EQ(markdown.blocksHtml({"> [!warning] Pozor", "> druhý <řádek>"}),
              "<p class=\"poznamka\"><b>Pozor</b><br>druhý &lt;řádek&gt;</p>\n");
}
