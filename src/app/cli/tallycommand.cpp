// mirte-cli tally FILE [--date YYYY-MM-DD] [--json | --csv [--encoding cp932]]: the figures of the tally
// window for one week.
#include "cliargs.h"
#include "clisupport.h"
#include "commands.h"
#include "csvoutput.h"
#include "json.h"

#include "calendar/dates.h"
#include "summary/csvtables.h"
#include "totals/tally.h"

using namespace Qt::StringLiterals;

namespace {

Json countsJson(const UnitCounts& counts, const Catalogue& catalogue)
{
    Json map = Json::object();
    for (Field f : catalogue.tallyOrder)
        map.add(fieldName(f), Json(static_cast<int>(counts[f])));
    return map;
}

Json blockJson(Json block, const TallyBlock& b, const Catalogue& catalogue)
{
    block.add(u"plan"_s, countsJson(b.plan, catalogue));
    block.add(u"actual"_s, countsJson(b.actual, catalogue));
    Json diff = Json::object();
    for (Field f : catalogue.tallyOrder)
        diff.add(fieldName(f), Json(b.difference(f)));
    block.add(u"diff"_s, std::move(diff));
    return block;
}

QString diffText(const TallyBlock& b, Field f)
{
    const auto d = b.difference(f);
    return d ? UnitsToText(*d) : u"範囲外"_s;
}

} // namespace

int runTally(const QStringList& arguments, CliContext& context)
{
    const CliArgs args = parseArgs(arguments, 1, {u"--date"_s, u"--encoding"_s}, {u"--json"_s, u"--csv"_s});
    if (args.has(u"--json"_s) && args.has(u"--csv"_s))
        throw UsageError(u"--json と --csv は一緒に指定できません。"_s);
    if (args.value(u"--encoding"_s) && !args.has(u"--csv"_s))
        throw UsageError(u"--encoding は --csv と一緒に指定してください。"_s);
    const CsvEncoding encoding = csvEncodingArgument(args.value(u"--encoding"_s));
    AppState plan = openPlan(args.positional[0]);

    const QDate first = DateSerial(plan.intYear, 4, 1);
    const QDate last = DateSerial(plan.intYear + 1, 3, 31);
    QDate date = first;
    if (const auto text = args.value(u"--date"_s)) {
        date = QDate::fromString(*text, u"yyyy-MM-dd"_s);
        if (!date.isValid())
            throw UsageError(u"--date は YYYY-MM-DD の形で指定してください: %1"_s.arg(*text));
        if (date < first || date > last)
            throw UsageError(u"--date は%1（%2～%3）の日付にしてください。"_s.arg(
                schoolYearName(plan.intYear), isoDate(first), isoDate(last)));
    }

    const Tally tally = computeTally(plan, date);
    const Catalogue& catalogue = plan.catalogue();

    if (args.has(u"--csv"_s)) {
        writeCsv(context, tallyCsvRows(tally, catalogue.tallyOrder), encoding);
        return kExitOk;
    }
    if (args.has(u"--json"_s)) {
        Json week = Json::object();
        week.add(u"first"_s, isoDate(tally.first)).add(u"last"_s, isoDate(tally.last));
        Json term = Json::object();
        term.add(u"number"_s, tally.term);
        Json root = Json::object();
        root.add(u"week"_s, blockJson(std::move(week), tally.week, catalogue));
        root.add(u"term"_s, blockJson(std::move(term), tally.termBlock, catalogue));
        root.add(u"year"_s, blockJson(Json::object(), tally.year, catalogue));
        context.out << root.toText() << u'\n';
        return kExitOk;
    }

    context.out << u"%1　週 %2～%3　%4学期\n"_s
                       .arg(schoolYearName(plan.intYear), isoDate(tally.first), isoDate(tally.last))
                       .arg(tally.term);
    const QStringList headings = {u"週･計画"_s,   u"週･実績"_s,   u"週･増減"_s,
                                  u"学期･計画"_s, u"学期･実績"_s, u"学期･増減"_s,
                                  u"年間･計画"_s, u"年間･実績"_s, u"年間･増減"_s};
    constexpr int kLabelWidth = 12;
    constexpr int kCellWidth = 10;
    context.out << tableLine(u"教科"_s, headings, kLabelWidth, kCellWidth) << u'\n';
    for (Field f : catalogue.tallyOrder) {
        QStringList cells;
        for (const TallyBlock* b : {&tally.week, &tally.termBlock, &tally.year})
            cells << UnitsToText(b->plan[f]) << UnitsToText(b->actual[f]) << diffText(*b, f);
        context.out << tableLine(tallyLabel(f), cells, kLabelWidth, kCellWidth) << u'\n';
    }
    return kExitOk;
}
