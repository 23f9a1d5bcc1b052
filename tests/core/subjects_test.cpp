// The subject catalogue, the subtotal formulas and the boolean texts of the plan file.
#include "core/mirteerror.h"
#include "core/subjects.h"
#include "core/unitcounts.h"

#include <gtest/gtest.h>

TEST(SubjectInitial, MatchesDisplayNamesExactly)
{
    EXPECT_EQ(SubjectInitial(QStringLiteral("国語")), QStringLiteral("国"));
    EXPECT_EQ(SubjectInitial(QStringLiteral("打切り")), QStringLiteral("切"));
    EXPECT_EQ(SubjectInitial(QStringLiteral("クラブ")), QStringLiteral("ク"));
    EXPECT_EQ(SubjectInitial(QString()), QString(QChar(0x3000)));
    EXPECT_EQ(SubjectInitial(QStringLiteral("予備")), QString());
    EXPECT_EQ(SubjectInitial(QStringLiteral("国語 ")), QString());
    EXPECT_EQ(SubjectInitial(QStringLiteral("ｸﾗﾌﾞ")), QString());
}

TEST(SubjectCatalogue, InitialsMapToTheirFieldsInCanonicalOrder)
{
    const QString initials = QString::fromUtf16(kSubjectInitials);
    ASSERT_EQ(initials.size(), 16);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(QChar(kSubjects[static_cast<std::size_t>(i)].initial), initials.at(i));
        EXPECT_EQ(fieldOfInitial(initials.at(i)), kSubjects[static_cast<std::size_t>(i)].field);
    }
    EXPECT_EQ(fieldOfInitial(QChar(u'予')), Field::yobi);
    EXPECT_EQ(fieldOfInitial(QChar(0x3000)), std::nullopt);
    EXPECT_EQ(fieldOfInitial(QChar(u'x')), std::nullopt);
    EXPECT_EQ(subjectName(QChar(u'児')), QStringLiteral("児童会"));
    EXPECT_EQ(subjectName(QChar(u'予')), QString());
}

TEST(UnitCounts, SubtotalsFollowTheFormulasAndWritesTouchOneField)
{
    UnitCounts c;
    c.kokugo = 6;
    EXPECT_EQ(c.KyoukaSyoukei, 0) << "a write never recomputes anything";
    c.sannsuu = 3;
    c.taiiku = 3;
    c.onngaku = 2;
    c.sougou = 1;
    c.doutoku = 2;
    c.gakkyuukatsudou = 3;
    c.gakkougyouji = 4;
    c.uchikiri = 5;
    c.yobi = 7;
    c.recomputeSubtotals();
    EXPECT_EQ(c.KyoukaSyoukei, 14);
    EXPECT_EQ(c.TokkatsuSyoukei, 7);
    EXPECT_EQ(c.SouJyugyouJisuu, 14 + 1 + 2 + 7);
    EXPECT_EQ(c.SouJisuu, 24 + 5 + 7);
    EXPECT_EQ(c[Field::SouJisuu], 36);
}

TEST(UnitCounts, SubtotalOverflowIsAnError)
{
    UnitCounts c;
    c.kokugo = 30000;
    c.syakai = 3000;
    EXPECT_THROW(c.recomputeSubtotals(), OverflowError);
}

TEST(UnitCounts, FieldOrdersCoverEveryFieldOnce)
{
    for (const auto* order : {&kAllFields, &kTallyOrder, &kFileOrder}) {
        std::array<int, kFieldCount> seen{};
        for (Field f : *order)
            ++seen[static_cast<std::size_t>(f)];
        for (int n : seen)
            EXPECT_EQ(n, 1);
    }
    EXPECT_EQ(fieldName(kFileOrder.front()), QStringLiteral("doutoku"));
    EXPECT_EQ(fieldName(kFileOrder.back()), QStringLiteral("zukou"));
    EXPECT_EQ(kTallyOrder[19], Field::yobi);
    EXPECT_EQ(kTallyOrder[20], Field::SouJisuu);
}

TEST(BoolText, OnlyMinusOneIsTrueAndOnlyTrueReadsTrue)
{
    EXPECT_EQ(BoolToText(std::int16_t(-1)), QStringLiteral("True"));
    EXPECT_EQ(BoolToText(std::int16_t(1)), QStringLiteral("False"));
    EXPECT_EQ(BoolToText(std::int16_t(0)), QStringLiteral("False"));
    EXPECT_EQ(BoolToText(true), QStringLiteral("True"));
    EXPECT_TRUE(TextToBool(QStringLiteral("True")));
    for (const char* text : {"TRUE", "true", "", "True ", "False"})
        EXPECT_FALSE(TextToBool(QString::fromLatin1(text))) << text;
}
