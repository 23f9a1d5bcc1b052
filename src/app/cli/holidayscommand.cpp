// mirte-cli holidays YEAR [--autumn-equinox DAY] [--vernal-equinox DAY] [--json]: the fourteen
// national holiday entries of a school year, as the holiday rules page computes them; without the
// options, with the year's own equinox days.
#include "cliargs.h"
#include "clisupport.h"
#include "commands.h"
#include "json.h"

#include "calendar/holidaylaw.h"
#include "calendar/nationalholidays.h"
#include "planfile/planformat.h"

using namespace Qt::StringLiterals;

int runHolidays(const QStringList& arguments, CliContext& context)
{
    const CliArgs args =
        parseArgs(arguments, 1, {u"--autumn-equinox"_s, u"--vernal-equinox"_s}, {u"--json"_s});
    const int year = integerArgument(u"YEAR"_s, args.positional[0], kFirstLawSchoolYear, kLastLawSchoolYear);

    HolidayBoxes boxes = initialHolidayBoxes(year);
    if (const auto day = args.value(u"--autumn-equinox"_s))
        boxes[4] = integerArgument(u"--autumn-equinox"_s, *day, 1, 30);
    if (const auto day = args.value(u"--vernal-equinox"_s))
        boxes[7] = integerArgument(u"--vernal-equinox"_s, *day, 1, 31);
    const HolidayRules rules = computeHolidayRules(year, boxes, SaturdayRule::Irregular, HolidayRules{});
    // The equinox entries rest on an estimate until the year's days are announced.
    const auto provisional = [&](std::size_t entry) {
        return (entry == 6 && autumnEquinox(year).provisional) ||
               (entry == 13 && vernalEquinox(year + 1).provisional);
    };

    if (args.has(u"--json"_s)) {
        Json entries = Json::array();
        for (std::size_t i = 0; i < rules.holidayDate.size(); ++i) {
            Json entry = Json::object();
            entry.add(u"entry"_s, static_cast<int>(i))
                .add(u"date"_s, isoDate(rules.holidayDate[i]))
                .add(u"dayOfYear"_s, static_cast<int>(rules.holidayDay[i]));
            if (provisional(i))
                entry.add(u"provisional"_s, Json::boolean(true));
            entries.add(std::move(entry));
        }
        context.out << entries.toText() << u'\n';
        return kExitOk;
    }
    static const char16_t* const kWeekdays[7] = {u"月", u"火", u"水", u"木", u"金", u"土", u"日"};
    context.out << u"%1の祝日（番号・日付・年初からの日数）\n"_s.arg(schoolYearName(year));
    for (std::size_t i = 0; i < rules.holidayDate.size(); ++i) {
        const QDate& d = rules.holidayDate[i];
        context.out << padLeft(QString::number(i), 2) << u"  "_s << isoDate(d) << u'('
                    << QString::fromUtf16(kWeekdays[d.dayOfWeek() - 1]) << u")  "_s
                    << padLeft(QString::number(rules.holidayDay[i]), 3)
                    << (provisional(i) ? u"  予定"_s : QString()) << u'\n';
    }
    return kExitOk;
}
