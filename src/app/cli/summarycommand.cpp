// mirte-cli summary FILE... [--date YYYY-MM-DD] [--json | --csv | --output OUT.pdf]: every class's
// year plan against its registered hours, one table per school year, classes by grade and class.
#include "cliargs.h"
#include "clisupport.h"
#include "commands.h"
#include "csvoutput.h"
#include "json.h"

#include "calendar/dates.h"
#include "core/mirteerror.h"
#include "reports/pdfexport.h"
#include "summary/csvtables.h"
#include "summary/schoolsummary.h"

using namespace Qt::StringLiterals;

namespace {

Json countsJson(const UnitCounts& counts, const std::vector<Field>& fields)
{
    Json map = Json::object();
    for (Field f : fields)
        map.add(fieldName(f), Json(static_cast<int>(counts[f])));
    return map;
}

Json summaryJson(const SchoolSummary& summary)
{
    Json classes = Json::array();
    for (const SchoolYearTable& table : summary.years) {
        for (const SummaryRow& r : table.rows) {
            const ClassYear& c = r.figures;
            Json diff = Json::object();
            for (Field f : table.fields)
                diff.add(fieldName(f), Json(c.year.difference(f)));
            Json row = Json::object();
            row.add(u"file"_s, r.file)
                .add(u"schoolYear"_s, c.schoolYear)
                .add(u"grade"_s, c.grade)
                .add(u"class"_s, c.strClass)
                .add(u"teacher"_s, c.teacher)
                .add(u"plan"_s, countsJson(c.year.plan, table.fields))
                .add(u"actual"_s, countsJson(c.year.actual, table.fields))
                .add(u"diff"_s, std::move(diff));
            classes.add(std::move(row));
        }
    }
    Json errors = Json::array();
    for (const SummaryError& e : summary.errors) {
        Json error = Json::object();
        error.add(u"file"_s, e.file).add(u"line"_s, e.line).add(u"message"_s, e.message);
        errors.add(std::move(error));
    }
    Json root = Json::object();
    root.add(u"date"_s, summary.until.isValid() ? Json(isoDate(summary.until)) : Json());
    root.add(u"classes"_s, std::move(classes));
    root.add(u"errors"_s, std::move(errors));
    return root;
}

void writeText(QTextStream& out, const SchoolSummary& summary)
{
    constexpr int kCell = 8;
    const QString until = summary.until.isValid() ? isoDate(summary.until) + u"まで"_s : u"登録した全日"_s;
    bool first = true;
    for (const SchoolYearTable& table : summary.years) {
        if (!first)
            out << u'\n';
        first = false;
        out << u"%1　%2　%3学級\n"_s.arg(schoolYearName(table.schoolYear), until).arg(table.rows.size());
        int teacherWidth = displayWidth(u"担任"_s);
        for (const SummaryRow& r : table.rows)
            teacherWidth = std::max(teacherWidth, displayWidth(r.figures.teacher));
        QString heading =
            padRight(u"学年"_s, 5) + padRight(u"組"_s, 7) + padRight(u"担任"_s, teacherWidth + 1);
        QString subHeading = QString(5 + 7 + teacherWidth + 1, u' ');
        for (Field f : table.fields) {
            heading += padLeft(fieldLabel(f), 3 * kCell);
            subHeading += padLeft(u"計画"_s, kCell) + padLeft(u"実績"_s, kCell) + padLeft(u"増減"_s, kCell);
        }
        out << heading << u'\n' << subHeading << u'\n';
        for (const SummaryRow& r : table.rows) {
            const ClassYear& c = r.figures;
            QString line = padRight(QString::number(c.grade), 5) + padRight(c.strClass, 7) +
                           padRight(c.teacher, teacherWidth + 1);
            for (Field f : table.fields)
                line += padLeft(UnitsToText(c.year.plan[f]), kCell) +
                        padLeft(UnitsToText(c.year.actual[f]), kCell) +
                        padLeft(differenceText(c.year, f), kCell);
            out << line << u'\n';
        }
    }
}

} // namespace

int runSummary(const QStringList& arguments, CliContext& context)
{
    const CliArgs args = parseArgsAtLeast(arguments, 1, {u"--date"_s, u"--encoding"_s, u"--output"_s},
                                          {u"--json"_s, u"--csv"_s});
    const std::optional<QString> output = args.value(u"--output"_s);
    if (int(args.has(u"--json"_s)) + int(args.has(u"--csv"_s)) + int(output.has_value()) > 1)
        throw UsageError(u"--json、--csv、--output はどれか一つだけ指定してください。"_s);
    if (output && output->isEmpty())
        throw UsageError(u"--output に PDF ファイルの名前を指定してください。"_s);
    if (args.value(u"--encoding"_s) && !args.has(u"--csv"_s))
        throw UsageError(u"--encoding は --csv と一緒に指定してください。"_s);
    const CsvEncoding encoding = csvEncodingArgument(args.value(u"--encoding"_s));
    QDate until;
    if (const auto text = args.value(u"--date"_s)) {
        until = QDate::fromString(*text, u"yyyy-MM-dd"_s);
        if (!until.isValid())
            throw UsageError(u"--date は YYYY-MM-DD の形で指定してください: %1"_s.arg(*text));
    }

    const SchoolSummary summary = summarizePlanFiles(args.positional, until);
    // Bad files first, one line each, as the other commands report them.
    for (const SummaryError& e : summary.errors)
        context.err << PlanFileError(e.file, e.line, e.message).description() << u'\n';
    const int status = summary.errors.empty() ? kExitOk : kExitFailed;

    if (args.has(u"--json"_s)) {
        context.out << summaryJson(summary).toText() << u'\n';
    } else if (args.has(u"--csv"_s)) {
        writeCsv(context, summaryCsvRows(summary), encoding);
    } else if (output) {
        if (summary.isEmpty()) {
            context.err << u"集計できる計画ファイルがありません。"_s << u'\n';
            return kExitFailed;
        }
        printSchoolSummaryToPdf(summary, *output);
        context.out << *output << u'\n';
    } else {
        writeText(context.out, summary);
    }
    return status;
}
