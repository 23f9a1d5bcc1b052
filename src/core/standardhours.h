// The national standard lesson hours (標準授業時数) of each grade, by the course of study in force in
// a school year. One hour of the table is one 45-minute lesson, three unit counts.
#pragma once

#include "core/unitcounts.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

struct StandardRow {
    Field field;
    std::array<int, 6> hours; // grades 1 to 6; 0 where the grade has no such subject
};

struct StandardCourse {
    int firstYear;
    int lastYear;
    const char* id; // "1989", "1998", "2008", "2017-transition", "2017"
    const char16_t* title;
    // The subjects in tally order. 特別活動 appears as 学活 only: the clubs, the children's council
    // and school events have no standard hours.
    std::vector<StandardRow> rows;
    std::array<int, 6> total; // 総授業時数 of grades 1 to 6
};

// The course in force in a school year; none before 2000 or for a year no table covers.
const StandardCourse* standardCourseOf(int schoolYear);

// Every course of the table, oldest first.
const std::vector<StandardCourse>& standardCourses();

// The standard of a field in a grade (1–6), in unit counts; none when the course gives the grade
// no such subject.
std::optional<Units> standardUnits(const StandardCourse& course, Field field, int grade);
// The standard total of a grade, in unit counts.
Units standardTotalUnits(const StandardCourse& course, int grade);
