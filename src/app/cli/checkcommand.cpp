// mirte-cli check FILE: reads a plan and shows what it is.
#include "cliargs.h"
#include "clisupport.h"
#include "commands.h"

using namespace Qt::StringLiterals;

int runCheck(const QStringList& arguments, CliContext& context)
{
    const CliArgs args = parseArgs(arguments, 1, {}, {});
    const AppState plan = openPlan(args.positional[0]);

    int recorded = 0;
    int registered = 0;
    for (const RivoDayTime* day = plan.objDayChain->objNextDay.get(); day; day = day->objNextDay.get()) {
        ++recorded;
        if (day->isRegistered())
            ++registered;
    }
    const QString none = u"（未設定）"_s;
    context.out << u"年度: %1（%2年4月～%3年3月）\n"_s.arg(schoolYearName(plan.intYear))
                       .arg(plan.intYear)
                       .arg(plan.intYear + 1)
                << u"学年: %1\n"_s.arg(plan.intGrade > 0 ? u"%1年"_s.arg(plan.intGrade) : none)
                << u"学級: %1\n"_s.arg(plan.strClass.isEmpty() ? none : plan.strClass + u"組"_s)
                << u"担任: %1\n"_s.arg(plan.strTeacher.isEmpty() ? none : plan.strTeacher)
                << u"記録された日: %1日（うち登録済み %2日、取消 %3日）\n"_s.arg(recorded)
                       .arg(registered)
                       .arg(recorded - registered);
    return kExitOk;
}
