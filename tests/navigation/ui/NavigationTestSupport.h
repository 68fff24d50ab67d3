#pragma once

#include "app/ui/ReaderPages.h"
#include "db/Database.h"
#include "navigation/DocumentListModel.h"
#include "navigation/ui/CsListFormPage.h"
#include "navigation/ui/NavigationApp.h"
#include "navigation/ui/TvFormView.h"
#include "platform/ProgramFolders.h"
#include "support/RecordedMessages.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListView>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The application as the navigation pane sees it, with the status bar recorded.
class TestNavigationApp : public NavigationApp {
public:
    Database* database() const override { return m_pDatabase; }
    const ProgramFolders& folders() const override { return m_folders; }
    void SetStatusText(const QString& text) override { m_statusTexts << text; }
    bool lookColourOn() const override { return m_bLookColour; }
    QColor lookColour() const override { return m_crLook; }

    QString lastStatus() const { return m_statusTexts.value(m_statusTexts.size() - 1); }

    Database* m_pDatabase = nullptr;
    ProgramFolders m_folders;
    QStringList m_statusTexts;
    bool m_bLookColour = false;
    QColor m_crLook;
};

// A program folder with the navigation collection and minimal HTML templates, private settings
// and a private working folder; the documents the pane shows are recorded.
class NavigationFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        m_oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        QStandardPaths::setTestModeEnabled(false);
        m_database = m_program.createCollection({sourceFileText(m_strCollection)});
        m_program.writeMinimalTemplates();
        m_app.m_pDatabase = m_database.get();
        m_app.m_folders.SetProgramFolder(m_program.path());
    }

    void TearDown() override {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("XDG_RUNTIME_DIR", m_oldRuntime);
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
    }

    std::unique_ptr<CTvFormView> makeView() {
        auto view = std::make_unique<CTvFormView>(m_app, readerPageFactories());
        view->setDocumentTarget([this](const QString& file) { m_navigated << file; }, {},
                                [this] { ++m_nPrints; });
        view->resize(434, 600);
        view->show();
        return view;
    }

    static CsListFormPage* listPage(const CTvFormView& view, int i) {
        return dynamic_cast<CsListFormPage*>(view.GetPage(i));
    }

    static QStringList rows(const CsListFormPage* page) {
        QStringList names;
        for (int row = 0; row < page->GetRowCount(); ++row)
            names << page->m_pModel->nameAt(row);
        return names;
    }

    // Presses and releases the left button on the row, as a user's click.
    static void clickRow(const CsListFormPage& page, int row) {
        QWidget* viewport = page.m_list->viewport();
        const QPointF at = page.m_list->visualRect(page.m_pModel->index(row)).center();
        const QPointF global = viewport->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(viewport, &release);
    }

    static QComboBox* combo(const CsFormPage* page, int id) {
        return qobject_cast<QComboBox*>(page->GetDlgItem(id));
    }

    // Chooses the row with this item data (or this index for "Zobraz") as the user would.
    static void choose(QComboBox* box, int value, bool byIndex = false) {
        const int index = byIndex ? value : box->findData(value);
        ASSERT_GE(index, 0) << value;
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    QString workingFile(const QString& name) const {
        QFile file(m_app.m_folders.GetWorkingFolder() + "/" + name);
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromUtf8(file.readAll());
    }

    // The SQL of the collection below the source tree; a derived fixture may name another.
    QString m_strCollection = QStringLiteral("tests/fixtures/navigation.sql");
    TempProgramFolder m_program;
    QTemporaryDir m_runtime;
    QTemporaryDir m_config;
    QByteArray m_oldRuntime;
    QByteArray m_oldConfig;
    std::unique_ptr<Database> m_database;
    TestNavigationApp m_app;
    RecordedMessages m_messages;
    QStringList m_navigated;
    int m_nPrints = 0;
};
