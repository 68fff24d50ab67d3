#pragma once

#include "db/Database.h"
#include "platform/FileUtils.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

// Lets assertions print Qt texts.
inline std::ostream& operator<<(std::ostream& os, const QString& text) {
    return os << text.toStdString();
}
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '[' << list.join(QStringLiteral(" | ")).toStdString() << ']';
}

// A program folder in a temporary directory, with Data, Index and Html, removed afterwards.
class TempProgramFolder {
public:
    TempProgramFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.filePath(relative); }
    // Creates Data/TavlinDemo.db with the schema, then runs the given SQL texts in it.
    std::unique_ptr<Database> createCollection(const QStringList& sqlTexts = {}) const;
    // Page templates that show what the assembly put into them, one placeholder after another.
    void writeMinimalTemplates() const;

private:
    QTemporaryDir m_dir;
};

// The text of a file below the source tree (for example "tests/fixtures/collection.sql").
QString sourceFileText(const QString& relativePath);

// Runs a program with arguments in `workingDir` and environment additions; returns its exit code
// and fills the outputs.
int runProgram(const QString& program, const QStringList& arguments, const QString& workingDir,
               const QStringList& environment, QString* standardOutput = nullptr,
               QString* standardError = nullptr, int timeoutMs = 60000);
