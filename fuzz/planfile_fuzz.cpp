// Feeds arbitrary bytes to the plan file reader. A bad file must end in PlanFileError and nothing
// else; a file that reads must write back, and what it writes must read to the same bytes again.
// The totals the windows compute from a read plan must not fail other than by MirteError.
#include "core/mirteerror.h"
#include "planfile/planreader.h"
#include "planfile/planwriter.h"
#include "totals/projection.h"
#include "totals/tally.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "%s %s\n", what, detail.toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    AppState plan;
    try {
        plan = readPlan(bytes, QStringLiteral("fuzz.rv"));
    } catch (const PlanFileError& e) {
        if (e.line() < 1 || e.line() > 3002)
            broken("line outside the file:", e.description());
        return 0;
    }

    QByteArray written;
    try {
        written = serializePlan(plan);
    } catch (const MirteError& e) {
        broken("a plan that was read could not be written:", e.description());
    }
    try {
        const AppState again = readPlan(written, QStringLiteral("again.rv"));
        if (serializePlan(again) != written)
            broken("written plan reads back differently");
    } catch (const MirteError& e) {
        broken("written plan does not read back:", e.description());
    }

    try {
        projectPlan(plan);
        computeTally(plan, QDate(plan.intYear, 4, 1));
        computeTally(plan, QDate(plan.intYear + 1, 3, 31));
    } catch (const MirteError&) {
        // an overflow of sums is reported, not a fault
    }
    return 0;
}
