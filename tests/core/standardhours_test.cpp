// The national standard hours: the course of each school year and each course's own totals.
#include "core/standardhours.h"

#include <gtest/gtest.h>

TEST(StandardHours, CourseOfEachSchoolYear)
{
    const std::pair<int, const char*> cases[] = {
        {2000, "1989"},
        {2001, "1989"},
        {2002, "1998"},
        {2010, "1998"},
        {2011, "2008"},
        {2017, "2008"},
        {2018, "2017-transition"},
        {2019, "2017-transition"},
        {2020, "2017"},
        {2030, "2017"},
    };
    for (const auto& [year, id] : cases) {
        const StandardCourse* c = standardCourseOf(year);
        ASSERT_NE(c, nullptr) << year;
        EXPECT_STREQ(c->id, id) << year;
    }
    EXPECT_EQ(standardCourseOf(1999), nullptr);
}

// The totals per grade as the courses of study publish them.
TEST(StandardHours, EachCoursesSubjectsAddUpToItsTotals)
{
    const std::pair<const char*, std::array<int, 6>> published[] = {
        {"1989", {850, 910, 980, 1015, 1015, 1015}}, {"1998", {782, 840, 910, 945, 945, 945}},
        {"2008", {850, 910, 945, 980, 980, 980}},    {"2017-transition", {850, 910, 960, 995, 995, 995}},
        {"2017", {850, 910, 980, 1015, 1015, 1015}},
    };
    ASSERT_EQ(standardCourses().size(), std::size(published));
    for (std::size_t i = 0; i < std::size(published); ++i) {
        const StandardCourse& c = standardCourses()[i];
        EXPECT_STREQ(c.id, published[i].first);
        for (int g = 0; g < 6; ++g) {
            int sum = 0;
            for (const StandardRow& row : c.rows)
                sum += row.hours[static_cast<std::size_t>(g)];
            EXPECT_EQ(sum, published[i].second[static_cast<std::size_t>(g)]) << c.id << " grade " << g + 1;
            EXPECT_EQ(standardTotalUnits(c, g + 1), 3 * published[i].second[static_cast<std::size_t>(g)]);
        }
    }
}

TEST(StandardHours, UnitsOfSingleSubjects)
{
    const StandardCourse& c2017 = *standardCourseOf(2024);
    EXPECT_EQ(standardUnits(c2017, Field::kokugo, 5), 525);
    EXPECT_EQ(standardUnits(c2017, Field::gaikokugo, 5), 210);
    EXPECT_EQ(standardUnits(c2017, Field::gaikokugo, 4), std::nullopt);
    EXPECT_EQ(standardUnits(c2017, Field::gaikokugokatsudou, 3), 105);
    EXPECT_EQ(standardUnits(c2017, Field::gaikokugokatsudou, 5), std::nullopt);
    EXPECT_EQ(standardUnits(c2017, Field::kurabu, 5), std::nullopt); // clubs have no standard
    EXPECT_EQ(standardUnits(c2017, Field::seikatsu, 1), 306);
    EXPECT_EQ(standardUnits(c2017, Field::seikatsu, 3), std::nullopt);

    EXPECT_EQ(standardUnits(*standardCourseOf(2018), Field::gaikokugokatsudou, 3), 45);
    EXPECT_EQ(standardUnits(*standardCourseOf(2018), Field::gaikokugokatsudou, 6), 150);
    EXPECT_EQ(standardUnits(*standardCourseOf(2015), Field::gaikokugokatsudou, 5), 105);
    EXPECT_EQ(standardUnits(*standardCourseOf(2000), Field::gakkyuukatsudou, 4), 210);
    EXPECT_EQ(standardUnits(*standardCourseOf(2005), Field::sougou, 5), 330);
    EXPECT_EQ(standardUnits(*standardCourseOf(2005), Field::taiiku, 0), std::nullopt);
}
