#include "db/DaoException.h"
#include "tools/CliCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <map>

namespace {
struct CommandEntry {
    QString usage;
    CliHandler handler;
};

std::map<QString, CommandEntry>& commands() {
    static std::map<QString, CommandEntry> registered;
    return registered;
}

int printUsage() {
    cliPrintError(QStringLiteral("usage: tavlin-cli COMMAND [--folder DIR] ..."));
    for (const auto& [words, entry] : commands())
        cliPrintError(QStringLiteral("  tavlin-cli ") + entry.usage);
    return 2;
}
} // namespace

CliArgs::CliArgs(const QStringList& words) {
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i].startsWith(QStringLiteral("--"))) {
            const QString value = i + 1 < words.size() ? words[i + 1] : QString();
            if (i + 1 >= words.size())
                throw CliError{QStringLiteral("option %1 needs a value").arg(words[i])};
            m_options.append({words[i], value});
            ++i;
        } else {
            m_positional << words[i];
        }
    }
}

std::optional<QString> CliArgs::value(const QString& name) const {
    std::optional<QString> found;
    for (const auto& [option, value] : m_options) {
        if (option == name)
            found = value;
    }
    return found;
}

QStringList CliArgs::values(const QString& name) const {
    QStringList found;
    for (const auto& [option, value] : m_options) {
        if (option == name)
            found << value;
    }
    return found;
}

bool CliArgs::has(const QString& name) const {
    return value(name).has_value();
}

int CliArgs::intValue(const QString& name, int fallback) const {
    const std::optional<QString> text = value(name);
    if (!text)
        return fallback;
    bool ok = false;
    const int number = text->toInt(&ok);
    if (!ok)
        throw CliError{QStringLiteral("%1 needs a whole number, not '%2'").arg(name, *text)};
    return number;
}

int CliArgs::intValue(const QString& name, int fallback, int lowest, int highest) const {
    const int number = intValue(name, fallback);
    if (number < lowest || number > highest)
        throw CliError{QStringLiteral("%1 must be from %2 to %3, not %4")
                           .arg(name)
                           .arg(lowest)
                           .arg(highest)
                           .arg(number)};
    return number;
}

QStringList CliArgs::unknownOptions(const QStringList& known) const {
    QStringList unknown;
    for (const auto& option : m_options) {
        if (option.first != QStringLiteral("--folder") && !known.contains(option.first))
            unknown << option.first;
    }
    return unknown;
}

void CliArgs::rejectUnknownOptions(const QStringList& known) const {
    if (const QStringList unknown = unknownOptions(known); !unknown.isEmpty())
        throw CliError{QStringLiteral("unknown option %1").arg(unknown.first())};
}

ProgramFolders CliArgs::folders() const {
    ProgramFolders folders;
    folders.SetProgramFolder(value(QStringLiteral("--folder")).value_or(QDir::currentPath()));
    return folders;
}

CliRegistration::CliRegistration(const char* words, const char* usage, CliHandler handler) {
    commands()[QString::fromUtf8(words)] = {QString::fromUtf8(usage), std::move(handler)};
}

void cliPrint(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

void cliPrintError(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList words = app.arguments().mid(1);
    // The longest registered command that the first words name.
    for (qsizetype count = std::min<qsizetype>(2, words.size()); count > 0; --count) {
        const QString name = words.mid(0, count).join(QLatin1Char(' '));
        const auto found = commands().find(name);
        if (found == commands().end())
            continue;
        try {
            return found->second.handler(CliArgs(words.mid(count)));
        } catch (const CliError& error) {
            cliPrintError(QStringLiteral("tavlin-cli %1: %2").arg(name, error.message));
            cliPrintError(QStringLiteral("usage: tavlin-cli ") + found->second.usage);
            return 2;
        } catch (const DaoException& error) {
            cliPrintError(QStringLiteral("tavlin-cli %1: %2").arg(name, error.description()));
            return 1;
        }
    }
    return printUsage();
}
