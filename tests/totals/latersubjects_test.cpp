// 外国語 and 外国語活動 in the week, term and year totals, the projection and the comparison with the
// national standard, by the catalogue of the plan's school year.
#include "planfixture.h"
#include "totals/projection.h"
#include "totals/standardcomparison.h"
#include "totals/tally.h"
#include "totals/yeartotals.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A plan of `year`, grade 5, every weekday with periods 1–6 of 45 minutes and no period 0.
std::unique_ptr<AppState> plan(int year)
{
    auto s = std::make_unique<AppState>();
    InitPlanDefaults(*s);
    s->intYear = static_cast<std::int16_t>(year);
    s->intGrade = 5;
    for (int d = 0; d < 6; ++d)
        s->strTimeCredit[static_cast<std::size_t>(d)] = u"0333333"_s;
    return s;
}

// Monday 国外算体理社, Tuesday to Friday 国国算算理社, Saturday empty (45-minute periods):
// a week of 国 27, 外 3, 算 27, 体 3, 理 15, 社 15 units.
void timetable2024(AppState& s)
{
    timetableDay(s, 1).strSubject = kE + u"国外算体理社"_s;
    for (int w = 2; w <= 5; ++w)
        timetableDay(s, w).strSubject = kE + u"国国算算理社"_s;
}

} // namespace

TEST(LaterSubjects, ForeignLanguageOf2024CountsInsideTheSubjectSubtotal)
{
    auto s = plan(2024);
    timetable2024(*s);
    auto terms = s->objYearPlan->terms();
    terms[0]->gaikokugo = 69;
    terms[1]->gaikokugo = 72;
    terms[2]->gaikokugo = 69;
    calculate(*s->objYearPlan);
    record(*s, {2024, 4, 15}, kE + u"国外算体理社"_s);
    record(*s, {2024, 4, 16}, kE + u"外外算体理社"_s);
    record(*s, {2024, 10, 8}, kE + u"外　　　　　"_s);

    const Tally t = computeTally(*s, {2024, 4, 17});
    EXPECT_EQ(t.week.plan.gaikokugo, 3);
    EXPECT_EQ(t.week.plan.KyoukaSyoukei, 90);
    EXPECT_EQ(t.week.actual.gaikokugo, 9);
    EXPECT_EQ(t.week.actual.kokugo, 3);
    EXPECT_EQ(t.week.actual.KyoukaSyoukei, 36);
    EXPECT_EQ(t.week.actual.SouJyugyouJisuu, 36);
    EXPECT_EQ(t.week.difference(Field::gaikokugo), 6);
    EXPECT_EQ(t.termBlock.plan.gaikokugo, 69);
    EXPECT_EQ(t.termBlock.actual.gaikokugo, 9);
    EXPECT_EQ(t.termBlock.difference(Field::gaikokugo), -60);
    EXPECT_EQ(t.year.plan.gaikokugo, 210);
    EXPECT_EQ(t.year.plan.KyoukaSyoukei, 210);
    EXPECT_EQ(t.year.actual.gaikokugo, 12);
    EXPECT_EQ(t.year.actual.KyoukaSyoukei, 39);
    EXPECT_EQ(t.year.difference(Field::gaikokugo), -198);
    EXPECT_EQ(t.year.difference(Field::KyoukaSyoukei), -171);
}

TEST(LaterSubjects, ForeignLanguageActivityOf2015StaysOutsideTheSubjectSubtotal)
{
    auto s = plan(2015);
    // 外 is no subject of 2015: that period counts nowhere.
    record(*s, {2015, 4, 13}, kE + u"英英算体理外"_s);
    const Tally t = computeTally(*s, {2015, 4, 13});
    EXPECT_EQ(t.week.actual.gaikokugokatsudou, 6);
    EXPECT_EQ(t.week.actual.gaikokugo, 0);
    EXPECT_EQ(t.week.actual.KyoukaSyoukei, 9);
    EXPECT_EQ(t.week.actual.SouJyugyouJisuu, 15);
    EXPECT_EQ(t.week.actual.SouJisuu, 15);
    EXPECT_EQ(t.year.actual.gaikokugokatsudou, 6);
}

TEST(LaterSubjects, PlanOf2005CountsTheirInitialsNowhere)
{
    auto s = plan(2005);
    record(*s, {2005, 4, 11}, kE + u"英外国　　　"_s);
    timetableDay(*s, 1).strSubject = kE + u"英外国　　　"_s;
    const Tally t = computeTally(*s, {2005, 4, 11});
    EXPECT_EQ(t.week.actual.kokugo, 3);
    EXPECT_EQ(t.week.actual.SouJisuu, 3);
    EXPECT_EQ(t.week.plan.SouJisuu, 3);
    EXPECT_EQ(t.year.actual.gaikokugokatsudou, 0);
    EXPECT_EQ(t.year.actual.gaikokugo, 0);
    EXPECT_EQ(projectPlan(*s).size(), std::size_t(kProjectionRows));
}

TEST(LaterSubjects, ProjectionHasARowForEachSubjectOfTheCatalogue)
{
    auto s = plan(2024);
    timetable2024(*s);
    // Whichever days are school days, every Monday brings 3 units of 外国語 for 27 of 国語 a week.
    const ProjectionTable t = projectPlan(*s);
    const auto& rows = s->catalogue().planRows;
    ASSERT_EQ(t.size(), rows.size() + 1);
    EXPECT_EQ(rows[9], Field::gaikokugo);
    for (std::size_t c = 0; c < 4; ++c) {
        Units sum = 0;
        for (std::size_t r = 0; r < rows.size(); ++r)
            sum = static_cast<Units>(sum + t[r][c]);
        EXPECT_EQ(t.back()[c], sum);
        EXPECT_EQ(t[9][c] * 9, t[0][c]);
    }
}

TEST(LaterSubjects, ComparisonWithTheStandardOfTheGrade)
{
    auto s = plan(2024);
    s->objYearBase->gaikokugo = 210;
    s->objYearBase->kokugo = 525;
    s->objYearBase->kurabu = 30;
    s->objYearBase->recomputeSubtotals();
    auto terms = s->objYearPlan->terms();
    terms[0]->gaikokugo = 75;
    terms[1]->gaikokugo = 75;
    terms[2]->gaikokugo = 63;
    calculate(*s->objYearPlan);
    record(*s, {2024, 4, 15}, kE + u"国外　　　　"_s);

    const StandardComparison c = compareWithStandard(*s);
    ASSERT_NE(c.course, nullptr);
    EXPECT_STREQ(c.course->id, "2017");
    // Grade 5 of the 2017 course: 国 社 算 理 音 図 家 体 外 道 学 (no 生活, 総合 is there).
    std::vector<Field> fields;
    for (const auto& row : c.rows)
        fields.push_back(row.field);
    const std::vector<Field> expected = {Field::kokugo, Field::syakai,  Field::sannsuu,
                                         Field::rika,   Field::onngaku, Field::zukou,
                                         Field::katei,  Field::taiiku,  Field::gaikokugo,
                                         Field::sougou, Field::doutoku, Field::gakkyuukatsudou};
    EXPECT_EQ(fields, expected);
    const auto& gaikokugo = c.rows[8].figures;
    EXPECT_EQ(gaikokugo.standard, 210);
    EXPECT_EQ(gaikokugo.base, 210);
    EXPECT_EQ(gaikokugo.plan, 213);
    EXPECT_EQ(gaikokugo.actual, 3);
    EXPECT_EQ(c.total.standard, 3045);
    EXPECT_EQ(c.total.base, 735); // クラブ does not count
    EXPECT_EQ(c.total.plan, 213);
    EXPECT_EQ(c.total.actual, 6);

    s->intGrade = 0;
    EXPECT_EQ(compareWithStandard(*s).course, nullptr);
}

TEST(LaterSubjects, StandardFillsTheBaseHoursOfTheGrade)
{
    UnitCounts base;
    base.seikatsu = 12; // grade 5 has no 生活: the table gives 0
    base.kurabu = 33;   // no standard: kept
    ASSERT_TRUE(fillBaseWithStandard(base, 2024, 5));
    EXPECT_EQ(base.kokugo, 525);
    EXPECT_EQ(base.gaikokugo, 210);
    EXPECT_EQ(base.gaikokugokatsudou, 0);
    EXPECT_EQ(base.seikatsu, 0);
    EXPECT_EQ(base.kurabu, 33);
    EXPECT_EQ(base.SouJyugyouJisuu, 3045 + 33);
    UnitCounts none;
    EXPECT_FALSE(fillBaseWithStandard(none, 1999, 5));
    EXPECT_FALSE(fillBaseWithStandard(none, 2024, 0));
}
