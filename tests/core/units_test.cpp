// Hour text both ways, and the checked 16-bit arithmetic everything is summed with.
#include "core/mirteerror.h"
#include "core/units.h"

#include <gtest/gtest.h>

TEST(UnitsToText, WritesWholeHoursAndQuarterRemainder)
{
    const struct {
        Units units;
        const char* text;
    } cases[] = {{0, "0.0"},   {1, "0.1"},   {2, "0.2"},   {3, "1.0"},         {97, "32.1"},
                 {-1, "-0.1"}, {-3, "-1.0"}, {-4, "-1.1"}, {32767, "10922.1"}, {-32768, "-10922.2"}};
    for (const auto& c : cases)
        EXPECT_EQ(UnitsToText(c.units), QString::fromLatin1(c.text)) << c.units;
}

TEST(TextToUnits, ReadsHourTextAndPlainHours)
{
    const struct {
        const char* text;
        Units units;
    } cases[] = {
        {"32.1", 97},  {"0.2", 2},  {"32", 96},   {"1.5", 8}, // the digit after the dot is not limited to 0–2
        {"32.10", 0},  {"32.", 0},  {"1.2.3", 0},             // the first dot must be second to last
        {" 7 .1", 22}, {"2.5", 11},                           // spaces around the whole hours are allowed
        {"0.5", 5}, // 0.5 is 0 hours and 5 units, never half an hour
        {"10", 30},    {"-2", -6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToUnits(QString::fromLatin1(c.text)), c.units) << c.text;
}

TEST(TextToUnits, SignBelongsToTheWholeValueSoItInvertsUnitsToText)
{
    EXPECT_EQ(TextToUnits(QStringLiteral("-1.1")), -4);
    EXPECT_EQ(TextToUnits(QStringLiteral("-0.2")), -2);
    for (int units = -400; units <= 400; ++units)
        ASSERT_EQ(TextToUnits(UnitsToText(Units(units))), units);
    EXPECT_EQ(TextToUnits(UnitsToText(32767)), 32767);
    EXPECT_EQ(TextToUnits(UnitsToText(-32768)), -32768);
}

TEST(TextToUnits, RejectsWhatIsNoNumberAndWhatLeaves16Bits)
{
    for (const char* text : {"abc", "", "a.1", ".1", "1.a", " "})
        EXPECT_THROW(TextToUnits(QString::fromLatin1(text)), ConversionError) << text;
    for (const char* text : {"10922.2", "-10922.3", "40000.0", "10923", "1e9"})
        EXPECT_THROW(TextToUnits(QString::fromLatin1(text)), OverflowError) << text;
}

TEST(Checked16, ThrowsInsteadOfWrapping)
{
    EXPECT_EQ(add16(32766, 1), 32767);
    EXPECT_EQ(sub16(-32767, 1), -32768);
    EXPECT_THROW(add16(32767, 1), OverflowError);
    EXPECT_THROW(sub16(-32768, 1), OverflowError);
    EXPECT_THROW(mul16(182, 181), OverflowError);
    EXPECT_EQ(mul16(181, 181), 32761);
}
