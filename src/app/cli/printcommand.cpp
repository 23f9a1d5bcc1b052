// mirte-cli print FILE --sheet year|week --output OUT.pdf [--margins MM]: a printed sheet as an A4 PDF,
// drawn by the same routines as the print window, within margins of MM millimetres on every side.
#include "cliargs.h"
#include "clisupport.h"
#include "commands.h"

#include "reports/pdfexport.h"

using namespace Qt::StringLiterals;

int runPrint(const QStringList& arguments, CliContext& context)
{
    const CliArgs args = parseArgs(arguments, 1, {u"--sheet"_s, u"--output"_s, u"--margins"_s}, {});
    const std::optional<QString> sheetName = args.value(u"--sheet"_s);
    const std::optional<QString> output = args.value(u"--output"_s);
    if (!sheetName || !output || output->isEmpty())
        throw UsageError(u"--sheet と --output を指定してください。"_s);
    Sheet sheet;
    if (*sheetName == u"year"_s)
        sheet = Sheet::Year;
    else if (*sheetName == u"week"_s)
        sheet = Sheet::WeekPlan;
    else
        throw UsageError(u"--sheet は year か week です: "_s + *sheetName);

    double margins = kPdfMarginMillimetres;
    if (const std::optional<QString> text = args.value(u"--margins"_s)) {
        bool ok = false;
        margins = text->toDouble(&ok);
        if (!ok || !(margins >= 0 && margins <= kPdfMaxMarginMillimetres))
            throw UsageError(
                u"--margins には 0～%1 のミリ数を指定してください: "_s.arg(kPdfMaxMarginMillimetres) + *text);
    }

    AppState plan = openPlan(args.positional[0]);
    printSheetToPdf(plan, sheet, *output, margins);
    context.out << *output << u'\n';
    return kExitOk;
}
