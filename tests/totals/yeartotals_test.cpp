// Terms by month, the year as the sum of its terms.
#include "core/mirteerror.h"
#include "planfixture.h"
#include "totals/weektotals.h"
#include "totals/yeartotals.h"

#include <gtest/gtest.h>

TEST(AssignDaysToTerms, ByMonthWhateverTheVacations)
{
    auto s = plan2001();
    const QString allKokugo = QStringLiteral("国国国国国国国");
    record(*s, {2001, 7, 31}, allKokugo);            // Tuesday, term 1
    record(*s, {2001, 8, 1}, allKokugo);             // Wednesday, term 2 though in the summer vacation
    record(*s, {2001, 10, 10}, allKokugo, true);     // withdrawn: counts nowhere
    record(*s, {2001, 11, 6}, allKokugo);            // term 2
    record(*s, {2002, 3, 29}, QStringLiteral("算")); // Friday, term 3 even in the spring vacation
    computeYearResult(*s);
    const auto terms = s->objYearResult->terms();
    // Tuesday and Wednesday are 1333330: 16 units of 国語 a day.
    EXPECT_EQ(terms[0]->kokugo, 16);
    EXPECT_EQ(terms[1]->kokugo, 32);
    EXPECT_EQ(terms[2]->kokugo, 0);
    EXPECT_EQ(terms[2]->sannsuu, 1);
    EXPECT_EQ(terms[1]->objFirstDay->dateThisDay, QDate(2001, 8, 1));
    EXPECT_EQ(terms[1]->objLastDay->dateThisDay, QDate(2001, 11, 6));
    EXPECT_EQ(s->objYearResult->kokugo, 48);
    EXPECT_EQ(s->objYearResult->SouJisuu, 49);

    // Recomputing changes nothing.
    const UnitCounts before = *s->objYearResult;
    computeYearResult(*s);
    full_calculate(*s->objYearResult, s->strTimeCredit);
    EXPECT_TRUE(s->objYearResult->sameCounts(before));
}

TEST(AssignDaysToTerms, TermWithoutDaysSumsToZeroWhateverItsLastDaySays)
{
    auto s = plan2001();
    record(*s, {2001, 5, 1}, QStringLiteral("国国"));
    computeYearResult(*s);
    auto terms = s->objYearResult->terms();
    terms[2]->objLastDay = s->objDayChain->objNextDay.get(); // stale link
    computeYearResult(*s);
    EXPECT_EQ(terms[2]->SouJisuu, 0);
    EXPECT_EQ(terms[0]->kokugo, 4); // Tuesday: periods 0 and 1 are 1 + 3 units
}

TEST(YearSum, SubtotalsComeFromTheSummedSubjectsNotFromTheTerms)
{
    auto year = makeYearWithTerms();
    auto terms = year->terms();
    terms[0]->kokugo = 300;
    terms[1]->kokugo = 330;
    terms[2]->kokugo = 270;
    terms[0]->KyoukaSyoukei = 5; // typed nonsense in a stored subtotal
    terms[1]->uchikiri = 6;
    calculate(*year);
    EXPECT_EQ(year->kokugo, 900);
    EXPECT_EQ(year->KyoukaSyoukei, 900);
    EXPECT_EQ(year->SouJisuu, 906);
    EXPECT_EQ(terms[0]->KyoukaSyoukei, 5) << "summing the year leaves the terms alone";
}

TEST(YearSum, OverflowIsAnErrorNotAWrappedValue)
{
    auto year = makeYearWithTerms();
    auto terms = year->terms();
    terms[0]->kokugo = 20000;
    terms[1]->kokugo = 20000;
    EXPECT_THROW(calculate(*year), OverflowError);
}

TEST(YearSum, MissingTermsAddNothing)
{
    RivoYearTotal year;
    year.objFirstSeason = std::make_unique<RivoSeasonTotal>();
    year.objFirstSeason->rika = 7;
    calculate(year);
    EXPECT_EQ(year.rika, 7);
}
