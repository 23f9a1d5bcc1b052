// mirte-cli: the plan file and its figures from the command line, for scripts and checks.
#include "commands.h"

#include "core/mirteerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <iterator>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// One line registers a command.
const Command kCommands[] = {
    {"check", "FILE", u"計画ファイルを読み、年度・学級・記録された日数を表示します", runCheck},
    {"tally", "FILE [--date YYYY-MM-DD] [--json | --csv [--encoding cp932]]",
     u"その日の週・学期・年間の計画・実績・増減（時数集計表）", runTally},
    {"projection", "FILE [--json]", u"週間時間割から見込んだ学期ごと・年間の時数", runProjection},
    {"standard", "FILE [--json]", u"学年の標準授業時数と基本時数・年間計画・年間実績の比較（余剰時数）",
     runStandard},
    {"schooldays", "FILE [--json]", u"学期ごと・年間の授業日数", runSchoolDays},
    {"holidays", "YEAR [--autumn-equinox DAY] [--vernal-equinox DAY] [--json]",
     u"その年度（2000～2030）の祝日14件（日曜は振替休日へ）", runHolidays},
    {"restdays", "YEAR [--json]",
     u"その年度（2000～2030）の4月1日から3月31日までの休日すべて（祝日・振替休日・国民の休日）", runRestDays},
    {"resave", "FILE OUT", u"計画ファイルを読み、このプログラムの形で OUT に書き直します", runResave},
    {"print", "FILE --sheet year|week|termN-timetable|termN-tally --output OUT.pdf [--margins MM]",
     u"年間の時数集計表・学期の時間割表と時数集計表（N は 1〜3）・週間時間割計画表を A4 の PDF "
     u"に印刷します（余白は上下左右とも MM ミリ、既定は 5）",
     runPrint},
    {"summary", "FILE... [--date YYYY-MM-DD] [--json | --csv [--encoding cp932] | --output OUT.pdf]",
     u"学校全体の集計: 学級ごとの年間の計画・その日までの実績・増減（年度ごと、学年・組の順）", runSummary},
};

// Drawing a sheet needs fonts and a paint device, so that one command runs under a GUI application,
// off screen: it never shows a window, and connecting to a display would cost a fifth of its run
// for nothing. A platform the caller chose still wins. Every other command stays a plain console
// program.
// Standard error carries "FILE:LINE: message" for scripts; the toolkit's own notes (a missing runtime
// folder, say) would get in their way, so only its real errors pass.
void toolkitMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

bool drawsSheet(int argc, char* argv[])
{
    if (argc < 2)
        return false;
    if (qstrcmp(argv[1], "print") == 0)
        return true;
    if (qstrcmp(argv[1], "summary") != 0)
        return false;
    for (int i = 2; i < argc; ++i)
        if (qstrcmp(argv[i], "--output") == 0 || qstrncmp(argv[i], "--output=", 9) == 0)
            return true;
    return false;
}

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[])
{
    if (drawsSheet(argc, argv)) {
        qInstallMessageHandler(toolkitMessages);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

void printUsage(QTextStream& to)
{
    to << u"使い方: mirte-cli コマンド 引数…\n"_s;
    for (const Command& c : kCommands)
        to << u"  mirte-cli "_s << c.name << u' ' << c.arguments << u"\n      "_s
           << QString::fromUtf16(c.summary) << u'\n';
}

const Command* findCommand(const QString& name)
{
    for (const Command& c : kCommands)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QFile outFile;
    QFile errFile;
    outFile.open(stdout, QIODevice::WriteOnly);
    errFile.open(stderr, QIODevice::WriteOnly);
    QTextStream out(&outFile);
    QTextStream err(&errFile);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    CliContext context{out, err};

    const QStringList arguments = app->arguments().mid(1);
    if (arguments.isEmpty() || arguments[0] == u"--help"_s || arguments[0] == u"-h"_s) {
        printUsage(arguments.isEmpty() ? err : out);
        return arguments.isEmpty() ? kExitUsage : kExitOk;
    }
    const Command* command = findCommand(arguments[0]);
    if (!command) {
        err << u"知らないコマンドです: "_s << arguments[0] << u'\n';
        printUsage(err);
        return kExitUsage;
    }
    try {
        return command->run(arguments.mid(1), context);
    } catch (const UsageError& e) {
        err << e.message() << u'\n' << u"使い方: mirte-cli "_s << command->name << u' ' << command->arguments
            << u'\n';
        return kExitUsage;
    } catch (const PlanFileError& e) {
        err << e.description() << u'\n'; // FILE:LINE: message
        return kExitFailed;
    } catch (const MirteError& e) {
        err << (arguments.size() > 1 ? arguments[1] + u": "_s : QString()) << e.description() << u'\n';
        return kExitFailed;
    }
}
