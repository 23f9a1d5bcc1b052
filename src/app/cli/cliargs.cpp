#include "cliargs.h"

#include "command.h"

using namespace Qt::StringLiterals;

std::optional<QString> CliArgs::value(const QString& option) const
{
    const auto it = values.constFind(option);
    if (it == values.cend())
        return std::nullopt;
    return *it;
}

namespace {

CliArgs parseAll(const QStringList& arguments, const QStringList& valueOptions,
                 const QStringList& switchOptions)
{
    CliArgs args;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!a.startsWith(u"--"_s) || a == u"--"_s) {
            args.positional << a;
            continue;
        }
        const qsizetype eq = a.indexOf(u'=');
        const QString name = eq < 0 ? a : a.left(eq);
        if (switchOptions.contains(name)) {
            if (eq >= 0)
                throw UsageError(u"%1 は値をとりません。"_s.arg(name));
            args.switches.insert(name);
        } else if (valueOptions.contains(name)) {
            if (eq >= 0) {
                args.values.insert(name, a.mid(eq + 1));
            } else if (i + 1 < arguments.size()) {
                args.values.insert(name, arguments[++i]);
            } else {
                throw UsageError(u"%1 の値がありません。"_s.arg(name));
            }
        } else {
            throw UsageError(u"知らないオプションです: %1"_s.arg(name));
        }
    }
    return args;
}

} // namespace

CliArgs parseArgs(const QStringList& arguments, qsizetype positionalCount, const QStringList& valueOptions,
                  const QStringList& switchOptions)
{
    CliArgs args = parseAll(arguments, valueOptions, switchOptions);
    if (args.positional.size() != positionalCount)
        throw UsageError(u"引数の数が違います。"_s);
    return args;
}

CliArgs parseArgsAtLeast(const QStringList& arguments, qsizetype minimum, const QStringList& valueOptions,
                         const QStringList& switchOptions)
{
    CliArgs args = parseAll(arguments, valueOptions, switchOptions);
    if (args.positional.size() < minimum)
        throw UsageError(u"引数の数が違います。"_s);
    return args;
}

int integerArgument(const QString& option, const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        throw UsageError(
            u"%1 には %2～%3 の整数を指定してください: %4"_s.arg(option).arg(low).arg(high).arg(text));
    return value;
}
