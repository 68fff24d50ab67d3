#pragma once

#include "app/ui/TavlinApp.h"
#include "document/ui/TvHtmlView.h"
#include "frame/ui/MainFrame.h"
#include "support/LoadWatch.h"
#include "support/RunScript.h"
#include "support/TestSupport.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The reader's own window on a fixture collection (SQL in `collectionSql`) with the shipped HTML
// templates, its settings and working folder of its own.
class ReaderWindowFixture : public ::testing::Test {
protected:
    explicit ReaderWindowFixture(const char* collectionSql) : m_collectionSql(collectionSql) {}

    void SetUp() override {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
        copyFolder(QStringLiteral(TAVLIN_SOURCE_DIR "/res/Html"), m_program.file("Html"));
        createCollection();
        tavlinApp()->SetProgramFolder(m_program.path());
        ASSERT_TRUE(tavlinApp()->OpenDatabase());
        m_frame = std::make_unique<CMainFrame>(*tavlinApp(), false);
        m_view = m_frame->GetHtmlView();
        m_loads = std::make_unique<LoadWatch>(m_view->page());
        m_frame->show();
    }
    void TearDown() override {
        m_frame.reset();
        tavlinApp()->CloseDatabase();
        QStandardPaths::setTestModeEnabled(true);
    }

    virtual void createCollection() {
        m_program.createCollection({QString::fromUtf8(m_collectionSql)});
    }

    QVariant runScript(const QString& script) { return ::runScript(m_view->page(), script); }
    bool loadsSettled() const { return m_loads->settled(); }

    const char* m_collectionSql;
    QTemporaryDir m_config;
    QTemporaryDir m_runtime;
    TempProgramFolder m_program;
    std::unique_ptr<CMainFrame> m_frame;
    CTvHtmlView* m_view = nullptr;
    std::unique_ptr<LoadWatch> m_loads;
};
