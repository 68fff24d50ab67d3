#pragma once

#include "db/Database.h"
#include "document/DocumentAssembler.h"
#include "platform/ProgramFolders.h"
#include "support/RecordedMessages.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A program folder with a fixture collection and small templates whose output is easy to read,
// and a private working folder for the test.
class AssemblyTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
        qunsetenv("TAVLIN_MESSAGES");
        writeTemplate("Title0.html", "<t>[#ICON#]#TITLE#</t>");
        writeTemplate("Body0.html", "<b>#TEXT#</b>");
        writeTemplate("Body0print.html", "<p>#TEXT#</p>");
        writeTemplate("doc0.html", "<d>#TITLE#|#FILE_TITLE#|#FILE_BODY#</d>");
        m_folders.SetProgramFolder(m_program.path());
    }

    void writeTemplate(const QString& name, const QByteArray& text) {
        QFile file(m_program.file(QStringLiteral("Html/") + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    void createCollection(const QString& sql) { m_database = m_program.createCollection({sql}); }

    DocumentAssembler& assembler() {
        if (!m_assembler) {
            DocumentHooks hooks;
            hooks.navigate = [this](const QString& path) { m_navigated << path; };
            hooks.refresh = [this] { ++m_refreshes; };
            hooks.currentPage = [this] { return m_page; };
            hooks.noteText = [this](const QString& name) { return m_notes.value(name); };
            m_assembler = std::make_unique<DocumentAssembler>(*m_database, m_folders, hooks);
        }
        return *m_assembler;
    }

    QString working() const { return m_runtime.path() + QStringLiteral("/QrmHtml"); }
    QString workingFile(const QString& name) const { return working() + QLatin1Char('/') + name; }

    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static QString textOf(const QString& path) { return QString::fromUtf8(bytesOf(path)); }

    QTemporaryDir m_runtime;
    TempProgramFolder m_program;
    ProgramFolders m_folders;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<DocumentAssembler> m_assembler;
    RecordedMessages m_messages;
    QStringList m_navigated;
    int m_refreshes = 0;
    int m_page = 0;
    QMap<QString, QString> m_notes;
};
