// Right-aligned numbers and hour texts, the picture of a subject per grade, and the title's grade
// and class.
#include "reports/printhelpers.h"

#include <gtest/gtest.h>

TEST(PrintHelpers, NumbersAreRightAlignedAndNeverCut)
{
    struct Case {
        int value, width;
        const char* expected;
    };
    for (const Case& c : {Case{5, 2, " 5"},
                          {7, 2, " 7"},
                          {12, 2, "12"},
                          {123, 2, "123"},
                          {-3, 2, "-3"},
                          {0, 0, "0"},
                          {-32768, 3, "-32768"}})
        EXPECT_EQ(fncItoS(static_cast<std::int16_t>(c.value), c.width), QString::fromLatin1(c.expected))
            << c.value << " in " << c.width;
}

TEST(PrintHelpers, HourTextsAreRightAlignedAndNeverCut)
{
    struct Case {
        int units, width;
        const char* expected;
    };
    for (const Case& c : {Case{97, 4, "32.1"},
                          {0, 4, " 0.0"},
                          {3, 5, "  1.0"},
                          {3000, 4, "1000.0"},
                          {-4, 5, " -1.1"},
                          {32767, 6, "10922.1"}})
        EXPECT_EQ(fncCtoS(static_cast<Units>(c.units), c.width), QString::fromLatin1(c.expected))
            << c.units << " in " << c.width;
}

TEST(PrintHelpers, PictureOfEverySubjectForUpperAndLowerGrades)
{
    // Initials in the order of the pictures, with the picture for grades 3–6 and for grades 1–2.
    struct Case {
        const char16_t* initial;
        int upper, lower;
    };
    const Case cases[] = {
        {u"国", 0, 12},  {u"社", 1, 1},   {u"算", 2, 13},  {u"理", 3, 3},     {u"音", 4, 15},
        {u"図", 5, 16},  {u"家", 6, 6},   {u"体", 7, 17},  {u"総", 8, 8},     {u"道", 9, 18},
        {u"学", 10, 19}, {u"ク", 11, 11}, {u"生", 14, 14}, {u"児", -1, -1},   {u"切", -1, -1},
        {u"予", -1, -1}, {u"　", -1, -1}, {u"", -1, -1},   {u"国語", -1, -1},
    };
    for (const Case& c : cases) {
        const QString initial = QString::fromUtf16(c.initial);
        for (int grade : {3, 4, 5, 6})
            EXPECT_EQ(fncPictIndex(initial, grade), c.upper) << initial.toStdString() << " grade " << grade;
        for (int grade : {1, 2})
            EXPECT_EQ(fncPictIndex(initial, grade), c.lower) << initial.toStdString() << " grade " << grade;
    }
}

TEST(PrintHelpers, GradeAndClassAsTitlesWriteThem)
{
    EXPECT_EQ(gradeDigit(1), QStringLiteral("１"));
    EXPECT_EQ(gradeDigit(6), QStringLiteral("６"));
    EXPECT_EQ(gradeDigit(0), QString());
    EXPECT_EQ(gradeDigit(7), QString());

    struct Case {
        const char16_t* strClass;
        const char16_t* text;
        bool isDigit;
    };
    const Case cases[] = {
        {u"1", u"１", true},   {u"9", u"９", true},           {u" 3 ", u"３", true}, {u"10", u"10", false},
        {u"0", u"0", false},   {u"さくら", u"さくら", false}, {u"", u"", false},     {u"-2", u"-2", false},
        {u"２", u"２", false}, {u"1.5", u"1.5", false},
    };
    for (const Case& c : cases) {
        const QString strClass = QString::fromUtf16(c.strClass);
        EXPECT_EQ(classText(strClass), QString::fromUtf16(c.text)) << strClass.toStdString();
        EXPECT_EQ(classDigit(strClass).has_value(), c.isDigit) << strClass.toStdString();
    }
}
