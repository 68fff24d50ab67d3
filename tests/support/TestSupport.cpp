#include "support/TestSupport.h"

#include "db/CollectionPassword.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

TempProgramFolder::TempProgramFolder() {
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("Data"));
    root.mkpath(QStringLiteral("Index"));
    root.mkpath(QStringLiteral("Html/img"));
}

std::unique_ptr<Database> TempProgramFolder::createCollection(const QStringList& sqlTexts) const {
    auto database =
        Database::create(file(QStringLiteral("Data/TavlinDemo.db")), collectionPassword());
    for (const QString& sql : sqlTexts)
        database->executeScript(sql);
    return database;
}

void TempProgramFolder::writeMinimalTemplates() const {
    const std::pair<const char*, const char*> templates[] = {
        {"Html/Title0.html", "<title>#TITLE#</title>#ICON#"},
        {"Html/Body0.html", "#TEXT#"},
        {"Html/doc0.html", "#TITLE#|#FILE_TITLE#|#FILE_BODY#"}};
    for (const auto& [name, text] : templates) {
        QFile file(m_dir.filePath(QString::fromLatin1(name)));
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
    }
}

QString sourceFileText(const QString& relativePath) {
    QFile file(QStringLiteral(TAVLIN_SOURCE_DIR "/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

int runProgram(const QString& program, const QStringList& arguments, const QString& workingDir,
               const QStringList& environment, QString* standardOutput, QString* standardError,
               int timeoutMs) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& assignment : environment) {
        const qsizetype eq = assignment.indexOf(QLatin1Char('='));
        env.insert(assignment.left(eq), assignment.mid(eq + 1));
    }
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workingDir);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (standardOutput)
        *standardOutput = QString::fromUtf8(process.readAllStandardOutput());
    if (standardError)
        *standardError = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
