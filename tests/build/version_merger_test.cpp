#include "build/VersionMerger.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
QByteArray section(const char* key, const char* text) {
    return QByteArray("<a name=\"") + key + "\"></a>" + text;
}

StoredSection stored(qint64 sekce, int poradi, const QByteArray& obsah, const char* from,
                     const char* to = "") {
    return {sekce, poradi, obsah, QString::fromLatin1(from), QString::fromLatin1(to)};
}

QStringList describe(const VersionPlan& plan) {
    QStringList lines;
    for (const VersionPlan::Update& update : plan.updates)
        lines << QStringLiteral("update %1 poradi %2 do %3")
                     .arg(update.sekce)
                     .arg(update.poradi)
                     .arg(update.datumDo);
    for (const VersionPlan::Insert& insert : plan.inserts)
        lines << QStringLiteral("insert poradi %1 %2")
                     .arg(insert.poradi)
                     .arg(QString::fromUtf8(insert.obsah));
    return lines;
}
} // namespace

TEST(VersionMerger, AFirstTextInsertsEverySection) {
    const VersionPlan plan = planVersion(
        {}, {"<h1>Záhlaví</h1>", section("par1", "a"), section("par2", "b")}, "2030-01-01");
    EXPECT_EQ(describe(plan), QStringList({"insert poradi 1 <h1>Záhlaví</h1>",
                                           "insert poradi 2 <a name=\"par1\"></a>a",
                                           "insert poradi 3 <a name=\"par2\"></a>b"}));
    EXPECT_EQ(plan.added, 3);
}

TEST(VersionMerger, OnlyChangedSectionsGetANewVersion) {
    const QList<StoredSection> old = {
        stored(10, 1, "<h1>Záhlaví</h1>", "2030-01-01"),
        stored(11, 2, section("par1", "a"), "2030-01-01"),
        stored(12, 3, section("par2", "b"), "2030-01-01"),
        stored(13, 4, section("par3", "c"), "2030-01-01"),
    };
    // § 2 changes, § 2a is new, § 3 is gone.
    const VersionPlan plan = planVersion(
        old,
        {"<h1>Záhlaví</h1>", section("par1", "a"), section("par2", "B"), section("par2a", "n")},
        "2031-01-01");
    EXPECT_EQ(describe(plan),
              QStringList({"update 12 poradi 3 do 2031-01-01", "update 13 poradi 5 do 2031-01-01",
                           "insert poradi 3 <a name=\"par2\"></a>B",
                           "insert poradi 4 <a name=\"par2a\"></a>n"}));
    EXPECT_EQ(plan.unchanged, 2);
    EXPECT_EQ(plan.changed, 1);
    EXPECT_EQ(plan.added, 1);
    EXPECT_EQ(plan.ended, 1);
}

TEST(VersionMerger, EndedSectionsKeepTheirPlaceAndOldVersionsMoveWithTheirSection) {
    const QList<StoredSection> old = {
        stored(1, 1, section("par1", "a"), "2029-01-01", "2030-01-01"),
        stored(2, 1, section("par1", "a2"), "2030-01-01"),
        stored(3, 2, section("par2", "b"), "2029-01-01", "2030-01-01"),
        stored(4, 3, section("par3", "c"), "2029-01-01"),
    };
    // A new § 0 before everything; § 2 ended before and stays ended; § 3 comes back unchanged.
    const VersionPlan plan = planVersion(
        old, {section("par0", "z"), section("par1", "a2"), section("par3", "c")}, "2031-01-01");
    EXPECT_EQ(describe(plan),
              QStringList({"update 1 poradi 2 do 2030-01-01", "update 2 poradi 2 do ",
                           "update 3 poradi 3 do 2030-01-01", "update 4 poradi 4 do ",
                           "insert poradi 1 <a name=\"par0\"></a>z"}));
    EXPECT_EQ(plan.ended, 0);
    EXPECT_EQ(sectionKey("<a name=\"par38h\"></a><h3>"), "par38h");
    EXPECT_EQ(sectionKey("<h1>bez kotvy</h1><a name=\"x\">"), "");
    EXPECT_EQ(sectionKey("<a name=\"neuzavřeno"), "");
}
