#include "totals/classyear.h"

#include "core/catalogue.h"
#include "core/plandefaults.h"
#include "totals/yeartotals.h"

UnitCounts registeredHours(const AppState& state, const QDate& until)
{
    // A year of its own, so that the plan's stored results stay as the tally window left them.
    const std::unique_ptr<RivoYearTotal> year = makeYearWithTerms();
    assignDaysToTerms(*year, *state.objDayChain, until);
    full_calculate(*year, state.strTimeCredit, state.catalogue());
    return *year;
}

ClassYear classYear(const AppState& state, const QDate& until)
{
    ClassYear c;
    c.schoolYear = state.intYear;
    c.grade = state.intGrade;
    c.strClass = state.strClass;
    c.teacher = state.strTeacher;
    c.year = compareCounts(*state.objYearPlan, registeredHours(state, until));
    return c;
}

std::vector<Field> summaryFields(int schoolYear)
{
    return catalogueOf(schoolYear).tallyOrder;
}
