// mirte-cli print FILE --sheet year|week|termN-timetable|termN-tally --output OUT.pdf: a printed
// sheet as an A4 PDF, drawn by the same routines as the print window.
#include "cliargs.h"
#include "clisupport.h"
#include "commands.h"

#include "reports/pdfexport.h"

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

int runPrint(const QStringList& arguments, CliContext& context)
{
    const CliArgs args = parseArgs(arguments, 1, {u"--sheet"_s, u"--output"_s}, {});
    const std::optional<QString> sheetName = args.value(u"--sheet"_s);
    const std::optional<QString> output = args.value(u"--output"_s);
    if (!sheetName || !output || output->isEmpty())
        throw UsageError(u"--sheet と --output を指定してください。"_s);
    static const struct {
        QString name;
        Sheet sheet;
        int term;
    } kSheets[] = {
        {u"year"_s, Sheet::Year, 1},
        {u"week"_s, Sheet::WeekPlan, 1},
        {u"term1-timetable"_s, Sheet::TermTimetable, 1},
        {u"term1-tally"_s, Sheet::TermTally, 1},
        {u"term2-timetable"_s, Sheet::TermTimetable, 2},
        {u"term2-tally"_s, Sheet::TermTally, 2},
        {u"term3-timetable"_s, Sheet::TermTimetable, 3},
        {u"term3-tally"_s, Sheet::TermTally, 3},
    };
    const auto chosen = std::find_if(std::begin(kSheets), std::end(kSheets),
                                     [&](const auto& s) { return s.name == *sheetName; });
    if (chosen == std::end(kSheets))
        throw UsageError(u"--sheet は year, week, term1-timetable, term1-tally, term2-timetable, "
                         u"term2-tally, term3-timetable, term3-tally のどれかです: "_s +
                         *sheetName);

    AppState plan = openPlan(args.positional[0]);
    printSheetToPdf(plan, chosen->sheet, *output, chosen->term);
    context.out << *output << u'\n';
    return kExitOk;
}
