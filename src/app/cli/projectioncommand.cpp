// mirte-cli projection FILE [--json]: the hours the weekly timetable gives over the year.
#include "cliargs.h"
#include "clisupport.h"
#include "commands.h"
#include "json.h"

#include "totals/projection.h"

using namespace Qt::StringLiterals;

int runProjection(const QStringList& arguments, CliContext& context)
{
    const CliArgs args = parseArgs(arguments, 1, {}, {u"--json"_s});
    const AppState plan = openPlan(args.positional[0]);
    const ProjectionTable table = projectPlan(plan);

    // One row per plan row of the plan's catalogue (spare time among them), then the total.
    const std::vector<Field>& rows = plan.catalogue().planRows;
    auto rowField = [&rows](std::size_t row) {
        return row < rows.size() ? fieldName(rows[row]) : u"total"_s;
    };

    if (args.has(u"--json"_s)) {
        Json rows = Json::array();
        for (std::size_t r = 0; r < table.size(); ++r) {
            Json units = Json::array();
            for (Units u : table[r])
                units.add(Json(static_cast<int>(u)));
            Json row = Json::object();
            row.add(u"field"_s, rowField(r)).add(u"units"_s, std::move(units));
            rows.add(std::move(row));
        }
        Json root = Json::object();
        root.add(u"rows"_s, std::move(rows));
        context.out << root.toText() << u'\n';
        return kExitOk;
    }

    // The captions of the annual plan page's projection grid, wide enough for the longest.
    int labelWidth = 8;
    for (Field f : rows)
        labelWidth = std::max(labelWidth, displayWidth(planRowCaption(f)) + 2);
    constexpr int kCellWidth = 9;
    context.out << tableLine(u"教科"_s, {u"1学期"_s, u"2学期"_s, u"3学期"_s, u"年間"_s}, labelWidth,
                             kCellWidth)
                << u'\n';
    for (std::size_t r = 0; r < table.size(); ++r) {
        QStringList cells;
        for (Units u : table[r])
            cells << UnitsToText(u);
        context.out << tableLine(r < rows.size() ? planRowCaption(rows[r]) : u"計"_s, cells, labelWidth,
                                 kCellWidth)
                    << u'\n';
    }
    return kExitOk;
}
