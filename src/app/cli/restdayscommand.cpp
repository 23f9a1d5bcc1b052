// mirte-cli restdays YEAR [--json]: every national rest day of a school year, 1 April YEAR to
// 31 March YEAR + 1, in date order, with its name and kind.
#include "cliargs.h"
#include "clisupport.h"
#include "commands.h"
#include "json.h"

#include "calendar/holidaylaw.h"

using namespace Qt::StringLiterals;

int runRestDays(const QStringList& arguments, CliContext& context)
{
    const CliArgs args = parseArgs(arguments, 1, {}, {u"--json"_s});
    const int year = integerArgument(u"YEAR"_s, args.positional[0], kFirstLawSchoolYear, kLastLawSchoolYear);
    const std::vector<RestDay> days = schoolYearRestDays(year);

    if (args.has(u"--json"_s)) {
        Json list = Json::array();
        for (const RestDay& d : days) {
            Json day = Json::object();
            day.add(u"date"_s, isoDate(d.date))
                .add(u"name"_s, d.name)
                .add(u"kind"_s, restDayKindText(d.kind));
            if (d.provisional)
                day.add(u"provisional"_s, Json::boolean(true));
            list.add(std::move(day));
        }
        context.out << list.toText() << u'\n';
        return kExitOk;
    }
    static const char16_t* const kWeekdays[7] = {u"月", u"火", u"水", u"木", u"金", u"土", u"日"};
    context.out
        << u"%1の休日（%2年4月1日～%3年3月31日）\n"_s.arg(schoolYearName(year)).arg(year).arg(year + 1);
    int nameWidth = 0;
    for (const RestDay& d : days)
        nameWidth = std::max(nameWidth, displayWidth(d.displayName()));
    for (const RestDay& d : days)
        context.out << isoDate(d.date) << u'(' << QString::fromUtf16(kWeekdays[d.date.dayOfWeek() - 1])
                    << u")  "_s << padRight(d.displayName(), nameWidth) << u"  "_s << restDayKindText(d.kind)
                    << u'\n';
    return kExitOk;
}
