#include "core/standardhours.h"

#include <limits>

using F = Field;

namespace {

// Rows per course, grades 1 to 6; 0 = no such subject in that grade.
std::vector<StandardCourse> makeCourses()
{
    // 学習指導要領 of 1989 (平成元年告示), school years 2000–2001 (学校教育法施行規則 別表第一 of that
    // course).
    StandardCourse c1989{
        2000, 2001, "1989", u"平成元年告示の学習指導要領", {}, {850, 910, 980, 1015, 1015, 1015}};
    c1989.rows = {
        {F::kokugo, {306, 315, 280, 280, 210, 210}},    {F::syakai, {0, 0, 105, 105, 105, 105}},
        {F::sannsuu, {136, 175, 175, 175, 175, 175}},   {F::rika, {0, 0, 105, 105, 105, 105}},
        {F::seikatsu, {102, 105, 0, 0, 0, 0}},          {F::onngaku, {68, 70, 70, 70, 70, 70}},
        {F::zukou, {68, 70, 70, 70, 70, 70}},           {F::katei, {0, 0, 0, 0, 70, 70}},
        {F::taiiku, {102, 105, 105, 105, 105, 105}},    {F::doutoku, {34, 35, 35, 35, 35, 35}},
        {F::gakkyuukatsudou, {34, 35, 35, 70, 70, 70}},
    };

    // 学習指導要領 of 1998 (平成10年告示), school years 2002–2010.
    StandardCourse c1998{
        2002, 2010, "1998", u"平成10年告示の学習指導要領", {}, {782, 840, 910, 945, 945, 945}};
    c1998.rows = {
        {F::kokugo, {272, 280, 235, 235, 180, 175}},  {F::syakai, {0, 0, 70, 85, 90, 100}},
        {F::sannsuu, {114, 155, 150, 150, 150, 150}}, {F::rika, {0, 0, 70, 90, 95, 95}},
        {F::seikatsu, {102, 105, 0, 0, 0, 0}},        {F::onngaku, {68, 70, 60, 60, 50, 50}},
        {F::zukou, {68, 70, 60, 60, 50, 50}},         {F::katei, {0, 0, 0, 0, 60, 55}},
        {F::taiiku, {90, 90, 90, 90, 90, 90}},        {F::sougou, {0, 0, 105, 105, 110, 110}},
        {F::doutoku, {34, 35, 35, 35, 35, 35}},       {F::gakkyuukatsudou, {34, 35, 35, 35, 35, 35}},
    };

    // 学習指導要領 of 2008 (平成20年告示), school years 2011–2017.
    StandardCourse c2008{
        2011, 2017, "2008", u"平成20年告示の学習指導要領", {}, {850, 910, 945, 980, 980, 980}};
    c2008.rows = {
        {F::kokugo, {306, 315, 245, 245, 175, 175}},    {F::syakai, {0, 0, 70, 90, 100, 105}},
        {F::sannsuu, {136, 175, 175, 175, 175, 175}},   {F::rika, {0, 0, 90, 105, 105, 105}},
        {F::seikatsu, {102, 105, 0, 0, 0, 0}},          {F::onngaku, {68, 70, 60, 60, 50, 50}},
        {F::zukou, {68, 70, 60, 60, 50, 50}},           {F::katei, {0, 0, 0, 0, 60, 55}},
        {F::taiiku, {102, 105, 105, 105, 90, 90}},      {F::sougou, {0, 0, 70, 70, 70, 70}},
        {F::doutoku, {34, 35, 35, 35, 35, 35}},         {F::gaikokugokatsudou, {0, 0, 0, 0, 35, 35}},
        {F::gakkyuukatsudou, {34, 35, 35, 35, 35, 35}},
    };

    // The 2008 course under the transition measures towards the 2017 course (移行措置), school years
    // 2018–2019: 外国語活動 15 hours in grades 3 and 4, 50 in grades 5 and 6.
    StandardCourse transition{2018,
                              2019,
                              "2017-transition",
                              u"平成20年告示の学習指導要領（平成29年告示への移行措置）",
                              c2008.rows,
                              {850, 910, 960, 995, 995, 995}};
    for (StandardRow& row : transition.rows)
        if (row.field == F::gaikokugokatsudou)
            row.hours = {0, 0, 15, 15, 50, 50};

    // 学習指導要領 of 2017 (平成29年告示), from school year 2020: 外国語活動 in grades 3 and 4,
    // 外国語 a subject in grades 5 and 6.
    StandardCourse c2017{
        2020, 9998, "2017", u"平成29年告示の学習指導要領", {}, {850, 910, 980, 1015, 1015, 1015}};
    for (const StandardRow& row : c2008.rows) {
        if (row.field == F::gaikokugokatsudou) {
            c2017.rows.push_back({F::gaikokugokatsudou, {0, 0, 35, 35, 0, 0}});
            continue;
        }
        c2017.rows.push_back(row);
        if (row.field == F::taiiku)
            c2017.rows.push_back({F::gaikokugo, {0, 0, 0, 0, 70, 70}});
    }

    return {c1989, c1998, c2008, transition, c2017};
}

} // namespace

const std::vector<StandardCourse>& standardCourses()
{
    static const std::vector<StandardCourse> courses = makeCourses();
    return courses;
}

const StandardCourse* standardCourseOf(int schoolYear)
{
    for (const StandardCourse& c : standardCourses())
        if (schoolYear >= c.firstYear && schoolYear <= c.lastYear)
            return &c;
    return nullptr;
}

std::optional<Units> standardUnits(const StandardCourse& course, Field field, int grade)
{
    if (grade < 1 || grade > 6)
        return std::nullopt;
    for (const StandardRow& row : course.rows)
        if (row.field == field) {
            const int hours = row.hours[static_cast<std::size_t>(grade - 1)];
            if (hours == 0)
                return std::nullopt;
            return static_cast<Units>(hours * 3);
        }
    return std::nullopt;
}

Units standardTotalUnits(const StandardCourse& course, int grade)
{
    if (grade < 1 || grade > 6)
        return 0;
    return static_cast<Units>(course.total[static_cast<std::size_t>(grade - 1)] * 3);
}
