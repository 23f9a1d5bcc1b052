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

    // Rows 1–16 are the subjects, 17 the spare time, 18 the total.
    auto rowField = [](std::size_t row) {
        if (row < kProjectionFields.size())
            return fieldName(kProjectionFields[row]);
        return row == 16 ? u"yobi"_s : u"total"_s;
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

    // The captions of the annual plan page's projection grid.
    static const char16_t* const kCaptions[kProjectionRows] = {
        u"国語", u"社会", u"算数", u"理科", u"生活",   u"音楽", u"図工", u"家庭", u"体育",
        u"総合", u"道徳", u"学活", u"ｸﾗﾌﾞ", u"児童会", u"行事", u"打切", u"予備", u"計"};
    constexpr int kLabelWidth = 8;
    constexpr int kCellWidth = 9;
    QString line = padRight(u"教科"_s, kLabelWidth);
    for (const QString& h : {u"1学期"_s, u"2学期"_s, u"3学期"_s, u"年間"_s})
        line += padLeft(h, kCellWidth);
    context.out << line << u'\n';
    for (std::size_t r = 0; r < table.size(); ++r) {
        line = padRight(QString::fromUtf16(kCaptions[r]), kLabelWidth);
        for (Units u : table[r])
            line += padLeft(UnitsToText(u), kCellWidth);
        context.out << line << u'\n';
    }
    return kExitOk;
}
