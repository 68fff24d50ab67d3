#pragma once

#include "db/Database.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

// A program folder with the hand-written test collection open.
class DbFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const QString sql = sourceFileText(QStringLiteral("tests/fixtures/collection.sql"));
        ASSERT_FALSE(sql.isEmpty());
        m_database = m_folder.createCollection({sql});
    }

    Database& db() { return *m_database; }

    TempProgramFolder m_folder;
    std::unique_ptr<Database> m_database;
};
