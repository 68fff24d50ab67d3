#include "search/HighlightScript.h"
#include "search/SearchExpression.h"

#include <QEventLoop>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <gtest/gtest.h>

namespace {
// Loads `html` into a page and waits for it.
bool load(QWebEnginePage& page, const QString& html) {
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&page, &QWebEnginePage::loadFinished, &loop, [&](bool finished) {
        ok = finished;
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    page.setHtml(html);
    loop.exec();
    return ok;
}

QVariant run(QWebEnginePage& page, const QString& script) {
    QEventLoop loop;
    QVariant result;
    page.runJavaScript(script, [&](const QVariant& value) {
        result = value;
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    return result;
}
} // namespace

TEST(HighlightScript, MarksEveryOccurrenceAndAnchorsTheFirst) {
    QWebEnginePage page;
    ASSERT_TRUE(load(page, "<html><body><p>Úvod bez hledaných slov.</p>"
                           "<p>Poplatníky DANĚ z příjmů jsou <b>osoby</b>.</p>"
                           "<p>Sazba daně z přidané\n hodnoty; dane bez háčku.</p>"
                           "<script>var dane = 'daně';</script></body></html>"));
    QStringList words;
    SplitHighlightWords(words, "daně nebo \"přidané hodnoty\"");
    ASSERT_EQ(words, (QStringList{"daně", "přidané hodnoty"}));
    EXPECT_EQ(run(page, highlightScript(words)).toBool(), true);
    EXPECT_EQ(run(page, "Array.from(document.querySelectorAll('.tavlinNalez'))"
                        ".map(function (e) { return e.textContent; }).join('|')")
                  .toString(),
              "DANĚ|daně|přidané\n hodnoty");
    // The anchor stands right before the first hit, once.
    EXPECT_EQ(run(page, "document.getElementsByName('prvniNalezeny').length").toInt(), 1);
    EXPECT_EQ(run(page, "document.getElementsByName('prvniNalezeny')[0].nextSibling.textContent")
                  .toString(),
              "DANĚ");
    EXPECT_EQ(run(page, "document.querySelector('script').textContent").toString(),
              "var dane = 'daně';");
}

TEST(HighlightScript, NothingToMarkLeavesThePageAlone) {
    QWebEnginePage page;
    ASSERT_TRUE(load(page, "<html><body><p>Text (bez) [nálezu] a+b.</p></body></html>"));
    EXPECT_EQ(run(page, highlightScript({"chybí", "", "[bez", "a+b*"})).toBool(), false);
    EXPECT_EQ(run(page, "document.getElementsByName('prvniNalezeny').length").toInt(), 0);
    EXPECT_EQ(run(page, highlightScript({"\"'</script>", "a+b"})).toBool(), true);
}
