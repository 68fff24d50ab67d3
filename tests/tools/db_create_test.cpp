#include "db/CollectionPassword.h"
#include "db/Database.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString writeScript(const QTemporaryDir& dir, const QString& name, const QByteArray& sql) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(sql);
    return file.fileName();
}
} // namespace

TEST(DbCreateCommand, CreatesACollectionThatOpensWithTheProgramPassword) {
    QTemporaryDir dir;
    const QString script =
        writeScript(dir, "rows.sql", "INSERT INTO oblasti (ID, oblast) VALUES (1, 'Daně');");
    const QString out = dir.filePath("new.db");
    EXPECT_EQ(runProgram(TAVLIN_CLI_BINARY, {"db", "create", "--out", out, "--sql", script},
                         dir.path(), {}),
              0);
    EXPECT_NO_THROW(Database::open(out, collectionPassword()));
    EXPECT_ANY_THROW(Database::open(out, "wrong"));
}

TEST(DbCreateCommand, AFailingScriptLeavesNothingAndAnExistingFileIsKept) {
    QTemporaryDir dir;
    const QString bad = writeScript(dir, "bad.sql", "INSERT INTO nowhere VALUES (1);");
    const QString out = dir.filePath("new.db");
    QString error;
    EXPECT_EQ(runProgram(TAVLIN_CLI_BINARY, {"db", "create", "--out", out, "--sql", bad},
                         dir.path(), {}, nullptr, &error),
              1);
    EXPECT_TRUE(error.contains("nowhere")) << error;
    EXPECT_FALSE(QFile::exists(out));

    const QString existing = writeScript(dir, "existing.db", "precious");
    EXPECT_EQ(runProgram(TAVLIN_CLI_BINARY, {"db", "create", "--out", existing}, dir.path(), {}),
              2);
    QFile kept(existing);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("precious"));
}
