// mirte-cli schooldays FILE [--json]: school days per term and in the year.
#include "cliargs.h"
#include "clisupport.h"
#include "commands.h"
#include "json.h"

#include "calendar/schooldaycount.h"

using namespace Qt::StringLiterals;

int runSchoolDays(const QStringList& arguments, CliContext& context)
{
    const CliArgs args = parseArgs(arguments, 1, {}, {u"--json"_s});
    const AppState plan = openPlan(args.positional[0]);
    const SchoolDayCounts counts = countSchoolDays(plan);

    if (args.has(u"--json"_s)) {
        Json root = Json::object();
        root.add(u"term1"_s, counts.term1)
            .add(u"term2"_s, counts.term2)
            .add(u"term3"_s, counts.term3)
            .add(u"year"_s, counts.year);
        context.out << root.toText() << u'\n';
        return kExitOk;
    }
    // The texts of the holiday calendar page's labels.
    context.out << u"１学期の授業日数　%1日\n"_s.arg(counts.term1)
                << u"２学期の授業日数　%1日\n"_s.arg(counts.term2)
                << u"３学期の授業日数　%1日\n"_s.arg(counts.term3)
                << u"年間の授業日数　%1日\n"_s.arg(counts.year);
    return kExitOk;
}
