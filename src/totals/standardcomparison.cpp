#include "totals/standardcomparison.h"

#include "totals/yeartotals.h"

Units standardCountedUnits(const UnitCounts& c)
{
    // The clubs, the children's council and school events belong to 特別活動 but have no standard.
    return sub16(sub16(sub16(c.SouJyugyouJisuu, c.kurabu), c.jidoukai), c.gakkougyouji);
}

StandardComparison compareWithStandard(AppState& state)
{
    StandardComparison out;
    const StandardCourse* course = standardCourseOf(state.intYear);
    if (!course || state.intGrade < 1 || state.intGrade > 6)
        return out;
    out.course = course;
    computeYearResult(state);
    const UnitCounts& base = *state.objYearBase;
    const UnitCounts& plan = *state.objYearPlan;
    const UnitCounts& actual = *state.objYearResult;
    for (const StandardRow& row : course->rows)
        if (const auto standard = standardUnits(*course, row.field, state.intGrade))
            out.rows.push_back({row.field, {*standard, base[row.field], plan[row.field], actual[row.field]}});
    out.total = {standardTotalUnits(*course, state.intGrade), standardCountedUnits(base),
                 standardCountedUnits(plan), standardCountedUnits(actual)};
    return out;
}

bool fillBaseWithStandard(UnitCounts& base, int schoolYear, int grade)
{
    const StandardCourse* course = standardCourseOf(schoolYear);
    if (!course || grade < 1 || grade > 6)
        return false;
    for (const StandardRow& row : course->rows)
        base[row.field] = standardUnits(*course, row.field, grade).value_or(0);
    base.recomputeSubtotals();
    return true;
}
