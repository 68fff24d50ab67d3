#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
class ListCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString sql = sourceFileText(QStringLiteral("tests/fixtures/collection.sql"));
        ASSERT_FALSE(sql.isEmpty());
        m_folder.createCollection({sql});
    }

    // Runs "tavlin-cli list" with `arguments`; returns the exit code and fills `output`.
    int list(const QStringList& arguments, QString* output = nullptr) {
        QString out;
        const int code = runProgram(QStringLiteral(TAVLIN_CLI_BINARY),
                                    QStringList{QStringLiteral("list")} + arguments +
                                        QStringList{QStringLiteral("--folder"), m_folder.path()},
                                    m_folder.path(), {}, &out);
        if (output)
            *output = out;
        return code;
    }

    TempProgramFolder m_folder;
};

TEST_F(ListCommandTest, ContentsInCzechOrder) {
    QString out;
    ASSERT_EQ(list({QStringLiteral("--page"), QStringLiteral("contents")}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("4\tCesta\n3\tČáp\n1\tHrad\n2\tChata\n6\tRobot\n5\tŘeka\n"));
}

TEST_F(ListCommandTest, ContentsFiltersLikeThePage) {
    QString out;
    ASSERT_EQ(list({QStringLiteral("--page"), QStringLiteral("contents"), QStringLiteral("--area"),
                    QStringLiteral("2")},
                   &out),
              0);
    EXPECT_EQ(out, QStringLiteral("2\tChata\n6\tRobot\n"));
    ASSERT_EQ(list({QStringLiteral("--page"), QStringLiteral("contents"), QStringLiteral("--show"),
                    QStringLiteral("1")},
                   &out),
              0);
    EXPECT_EQ(out, QStringLiteral("3\tČáp\n2\tChata\n5\tŘeka\n"));
    ASSERT_EQ(list({QStringLiteral("--page"), QStringLiteral("contents"), QStringLiteral("--type"),
                    QStringLiteral("1"), QStringLiteral("--show"), QStringLiteral("0"),
                    QStringLiteral("--area"), QStringLiteral("1")},
                   &out),
              0);
    EXPECT_EQ(out, QStringLiteral("1\tHrad\n6\tRobot\n"));
    // Type 0 is a real type, not "all".
    ASSERT_EQ(list({QStringLiteral("--page"), QStringLiteral("contents"), QStringLiteral("--type"),
                    QStringLiteral("0")},
                   &out),
              0);
    EXPECT_EQ(out, QStringLiteral("4\tCesta\n"));
}

TEST_F(ListCommandTest, ContractsDecisionsAndNoMatch) {
    QString out;
    ASSERT_EQ(list({QStringLiteral("--page"), QStringLiteral("contracts")}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("10\tKupní smlouva\n11\tNájemní smlouva\n"));
    ASSERT_EQ(list({QStringLiteral("--page"), QStringLiteral("decisions")}, &out), 0);
    EXPECT_EQ(out,
              QStringLiteral("20\tRozsudek o náhradě škody\n21\tUsnesení o nákladech řízení\n"));
    ASSERT_EQ(list({QStringLiteral("--page"), QStringLiteral("contents"), QStringLiteral("--type"),
                    QStringLiteral("3"), QStringLiteral("--show"), QStringLiteral("0")},
                   &out),
              0);
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(ListCommandTest, BadOptionsExitWithTwo) {
    EXPECT_EQ(list({}), 2);
    EXPECT_EQ(list({QStringLiteral("--page"), QStringLiteral("index")}), 2);
    EXPECT_EQ(list({QStringLiteral("--page"), QStringLiteral("contents"), QStringLiteral("--show"),
                    QStringLiteral("3")}),
              2);
    EXPECT_EQ(list({QStringLiteral("--page"), QStringLiteral("contents"), QStringLiteral("--area"),
                    QStringLiteral("x")}),
              2);
    EXPECT_EQ(list({QStringLiteral("--page"), QStringLiteral("contracts"), QStringLiteral("--area"),
                    QStringLiteral("1")}),
              2);
    EXPECT_EQ(list({QStringLiteral("--page"), QStringLiteral("contents"), QStringLiteral("--sort"),
                    QStringLiteral("x")}),
              2);
}
} // namespace
