// The arguments of one command: positional ones in order, options given as "--name value" or
// "--name=value", and switches such as "--json".
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

struct CliArgs {
    QStringList positional;
    QHash<QString, QString> values;
    QSet<QString> switches;

    std::optional<QString> value(const QString& option) const;
    bool has(const QString& option) const { return switches.contains(option); }
};

// Throws UsageError for an option not listed, an option without its value, or a number of
// positional arguments other than `positionalCount`.
CliArgs parseArgs(const QStringList& arguments, qsizetype positionalCount, const QStringList& valueOptions,
                  const QStringList& switchOptions);
// The same for a command that takes `minimum` positional arguments or more.
CliArgs parseArgsAtLeast(const QStringList& arguments, qsizetype minimum, const QStringList& valueOptions,
                         const QStringList& switchOptions);

// A whole number within [low, high] given to an option; UsageError otherwise.
int integerArgument(const QString& option, const QString& text, int low, int high);
