#pragma once

#include "support/RecordedMessages.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

// A program folder with the register and index collection; messages and the status bar are
// recorded.
class NavigationSessionFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_database =
            m_folder.createCollection({sourceFileText("tests/fixtures/register_index.sql")});
    }

    TempProgramFolder m_folder;
    std::unique_ptr<Database> m_database;
    RecordedMessages m_messages;
    QStringList m_status;
};
