// mirte-cli standard FILE [--json]: the plan against the national standard hours of its grade.
#include "cliargs.h"
#include "clisupport.h"
#include "commands.h"
#include "json.h"

#include "core/mirteerror.h"
#include "totals/standardcomparison.h"
#include "totals/tally.h"

using namespace Qt::StringLiterals;

namespace {

Json figuresJson(Json object, const StandardFigures& f)
{
    object.add(u"standard"_s, static_cast<int>(f.standard))
        .add(u"base"_s, static_cast<int>(f.base))
        .add(u"plan"_s, static_cast<int>(f.plan))
        .add(u"actual"_s, static_cast<int>(f.actual));
    return object;
}

// "+1.0", "-2.1", "0.0": above or below the standard.
QString signedText(long long d)
{
    const QString text = UnitsToText(checked16(d));
    return d > 0 ? u"+"_s + text : text;
}

} // namespace

int runStandard(const QStringList& arguments, CliContext& context)
{
    const CliArgs args = parseArgs(arguments, 1, {}, {u"--json"_s});
    AppState plan = openPlan(args.positional[0]);
    const StandardComparison c = compareWithStandard(plan);
    if (!c.course) {
        if (plan.intGrade < 1 || plan.intGrade > 6)
            throw MirteError(u"学年が決まっていないので、標準授業時数と比べられません。"_s);
        throw MirteError(u"%1の標準授業時数はありません。"_s.arg(schoolYearName(plan.intYear)));
    }

    if (args.has(u"--json"_s)) {
        Json rows = Json::array();
        for (const StandardComparisonRow& row : c.rows) {
            Json r = Json::object();
            r.add(u"field"_s, fieldName(row.field));
            rows.add(figuresJson(std::move(r), row.figures));
        }
        Json root = Json::object();
        root.add(u"schoolYear"_s, static_cast<int>(plan.intYear))
            .add(u"grade"_s, static_cast<int>(plan.intGrade))
            .add(u"course"_s, QString::fromLatin1(c.course->id))
            .add(u"rows"_s, std::move(rows))
            .add(u"total"_s, figuresJson(Json::object(), c.total));
        context.out << root.toText() << u'\n';
        return kExitOk;
    }

    context.out << u"%1　%2年　%3\n"_s.arg(schoolYearName(plan.intYear))
                       .arg(plan.intGrade)
                       .arg(QString::fromUtf16(c.course->title));
    const QStringList headings = {u"標準時数"_s,   u"基本時数"_s, u"年間計画"_s,
                                  u"計画－標準"_s, u"年間実績"_s, u"実績－標準"_s};
    constexpr int kLabelWidth = 12;
    constexpr int kCellWidth = 11;
    context.out << tableLine(u"教科"_s, headings, kLabelWidth, kCellWidth) << u'\n';
    const auto printRow = [&](const QString& label, const StandardFigures& f) {
        const QStringList cells = {
            UnitsToText(f.standard), UnitsToText(f.base),
            UnitsToText(f.plan),     signedText(static_cast<long long>(f.plan) - f.standard),
            UnitsToText(f.actual),   signedText(static_cast<long long>(f.actual) - f.standard)};
        context.out << tableLine(label, cells, kLabelWidth, kCellWidth) << u'\n';
    };
    for (const StandardComparisonRow& row : c.rows)
        printRow(tallyLabel(row.field), row.figures);
    printRow(u"総授業時数"_s, c.total);
    const long long excess = static_cast<long long>(c.total.plan) - c.total.standard;
    context.out << (excess >= 0 ? u"余剰時数（計画）　%1\n"_s.arg(UnitsToText(checked16(excess)))
                                : u"標準に足りない時数（計画）　%1\n"_s.arg(UnitsToText(checked16(-excess))));
    return kExitOk;
}
