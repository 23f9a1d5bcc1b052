// mirte-cli resave FILE OUT: reads a plan and writes it again with the program's own writer.
#include "cliargs.h"
#include "clisupport.h"
#include "commands.h"

#include "planfile/planfile.h"

int runResave(const QStringList& arguments, CliContext& context)
{
    const CliArgs args = parseArgs(arguments, 2, {}, {});
    AppState plan = openPlan(args.positional[0]);
    plan.strFileName = args.positional[1];
    if (SavePlanFile(plan) == SaveResult::NothingToSave) {
        context.err << nothingToSaveMessage() << u'\n';
        return kExitFailed;
    }
    return kExitOk;
}
