#pragma once

#include "platform/ProgramFolders.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The arguments of one tavlin-cli command: "--name value" options and positional words.
class CliArgs {
public:
    explicit CliArgs(const QStringList& words);

    std::optional<QString> value(const QString& name) const;
    QStringList values(const QString& name) const;
    bool has(const QString& name) const;
    // The whole number given with option `name`, `fallback` when it is absent; a CliError when
    // the option holds something else.
    int intValue(const QString& name, int fallback) const;
    // The same, a CliError when the number lies outside [lowest, highest].
    int intValue(const QString& name, int fallback, int lowest, int highest) const;
    const QStringList& positional() const { return m_positional; }
    // Options given that are not among `known`; a command refuses them.
    QStringList unknownOptions(const QStringList& known) const;
    // A CliError naming the first option given that is not among `known` (--folder always is).
    void rejectUnknownOptions(const QStringList& known) const;

    // The program folder of --folder DIR, the current directory by default.
    ProgramFolders folders() const;

private:
    QList<std::pair<QString, QString>> m_options;
    QStringList m_positional;
};

// Thrown by a command for a usage error or bad input; main prints it and exits with 2.
struct CliError {
    QString message;
};

using CliHandler = std::function<int(const CliArgs&)>;

// Each command file registers its commands with a static CliRegistration.
struct CliRegistration {
    CliRegistration(const char* words, const char* usage, CliHandler handler);
};

void cliPrint(const QString& text);
void cliPrintError(const QString& text);
