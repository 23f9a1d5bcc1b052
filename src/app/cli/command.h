// What every mirte-cli command is: a name, its arguments, and a function that runs it.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <exception>

enum ExitCode : int { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

struct CliContext {
    QTextStream& out; // UTF-8
    QTextStream& err; // UTF-8
};

// The command line itself is wrong: exit 2 with the usage text.
class UsageError : public std::exception {
public:
    explicit UsageError(QString message) : m_message(std::move(message)) {}
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return "usage error"; }

private:
    QString m_message;
};

struct Command {
    const char* name;
    const char* arguments;   // "FILE [--json]"
    const char16_t* summary; // one line for the usage text
    // Runs with the arguments after the command's name; throws UsageError, PlanFileError or MirteError.
    int (*run)(const QStringList& arguments, CliContext& context);
};
