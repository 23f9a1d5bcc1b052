// Plans with 外国語 and 外国語活動 in the plan file: the extension sections round trip, a plan that does
// not use them keeps the basic layout, and a damaged extension is refused with its line.
#include "planbuilder.h"

#include "core/mirteerror.h"
#include "planfile/planformat.h"
#include "planfile/planreader.h"
#include "planfile/planwriter.h"
#include "totals/yeartotals.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kE = QString(QChar(0x3000));

// Grade 5 of 2024 with 外国語 in the timetable, the base, the plan and two recorded days.
AppState plan2024()
{
    AppState s = makePlan(2024, 5);
    setTimetable(s, {kE + u"国外算体理社"_s, kE + u"国国算算理社"_s, kE + u"国算社理体音"_s,
                     kE + u"国算外理図図"_s, kE + u"国算社理体学"_s, QString()});
    s.objYearBase->gaikokugo = 210;
    s.objYearBase->recomputeSubtotals();
    auto terms = s.objYearPlan->terms();
    terms[0]->gaikokugo = 72;
    terms[1]->gaikokugo = 78;
    terms[2]->gaikokugo = 60;
    terms[1]->gaikokugokatsudou = -2; // typed; a grade 5 has none, but what is typed is kept
    for (auto* t : terms)
        t->recomputeSubtotals();
    calculate(*s.objYearPlan);
    addDay(s, QDate(2024, 4, 15), kE + u"国外算体理社"_s, u"外国語の日"_s);
    addDay(s, QDate(2024, 4, 18), kE + u"国算外理図図"_s);
    return s;
}

QStringList linesOf(const QByteArray& bytes)
{
    QStringDecoder decoder(kPlanCodePage);
    QStringList lines = QString(decoder.decode(bytes)).split(u"\r\n"_s);
    lines.removeLast();
    return lines;
}

QByteArray bytesOf(const QStringList& lines)
{
    QStringEncoder encoder(kPlanCodePage);
    return encoder.encode(lines.join(u"\r\n"_s) + u"\r\n"_s);
}

int failingLine(const QByteArray& bytes)
{
    try {
        readPlan(bytes, u"x.rv"_s);
    } catch (const PlanFileError& e) {
        return e.line();
    }
    return -1;
}

} // namespace

TEST(LaterSubjectsFile, RoundTripOfA2024Plan)
{
    const AppState s = plan2024();
    const QByteArray bytes = serializePlan(s);
    const QStringList lines = linesOf(bytes);
    const int basic = planFileLineCount(s.intHolidayCount, 2);
    ASSERT_EQ(lines.size(), basic + 12);
    const QStringList extension = lines.mid(basic);
    EXPECT_EQ(extension,
              (QStringList{u"#ミルテ拡張 1"_s, u"#gaikokugo 4"_s, u" 210 "_s, u" 72 "_s, u" 78 "_s, u" 60 "_s,
                           u"#gaikokugokatsudou 4"_s, u" 0 "_s, u" 0 "_s, u"-2 "_s, u" 0 "_s, u"#終わり"_s}));

    const AppState back = readPlan(bytes, u"x.rv"_s);
    EXPECT_EQ(back.objYearBase->gaikokugo, 210);
    EXPECT_EQ(back.objYearPlan->terms()[1]->gaikokugo, 78);
    EXPECT_EQ(back.objYearPlan->terms()[1]->gaikokugokatsudou, -2);
    EXPECT_EQ(back.objYearPlan->gaikokugo, 210);
    EXPECT_EQ(back.objYearPlan->KyoukaSyoukei, 210);
    // The timetable's totals are rebuilt with the catalogue of 2024: two 外 periods a week.
    EXPECT_EQ(back.objWeekTimetable->gaikokugo, 6);
    EXPECT_EQ(serializePlan(back), bytes);
}

TEST(LaterSubjectsFile, PlansThatDoNotUseThemKeepTheBasicLayout)
{
    // 2024 without 外 or 英 anywhere, and 2005 whose catalogue gives those initials no meaning.
    AppState s2024 = makePlan(2024, 5);
    setTimetable(s2024, {kE + u"国算社理体音"_s, {}, {}, {}, {}, {}});
    addDay(s2024, QDate(2024, 4, 15), kE + u"国算社理体音"_s);
    AppState s2005 = makePlan(2005, 5);
    addDay(s2005, QDate(2005, 4, 11), kE + u"英外国　　　"_s);
    for (const AppState* s : {&s2024, &s2005}) {
        const QStringList lines = linesOf(serializePlan(*s));
        EXPECT_EQ(lines.size(), planFileLineCount(s->intHolidayCount, 1)) << s->intYear;
        EXPECT_FALSE(lines.join(QString()).contains(u"#"_s)) << s->intYear;
    }
}

TEST(LaterSubjectsFile, AnInitialAloneMakesTheFileCarryTheExtension)
{
    AppState s = makePlan(2015, 5);
    addDay(s, QDate(2015, 4, 13), kE + u"英国算　　　"_s);
    const QStringList lines = linesOf(serializePlan(s));
    const int basic = planFileLineCount(s.intHolidayCount, 1);
    // 2015 has only 外国語活動.
    EXPECT_EQ(lines.mid(basic), (QStringList{u"#ミルテ拡張 1"_s, u"#gaikokugokatsudou 4"_s, u" 0 "_s,
                                             u" 0 "_s, u" 0 "_s, u" 0 "_s, u"#終わり"_s}));
}

TEST(LaterSubjectsFile, ExtensionCutAtEachPointIsRefusedWithItsLine)
{
    const QStringList lines = linesOf(serializePlan(plan2024()));
    const qsizetype marker = lines.indexOf(u"#ミルテ拡張 1"_s);
    ASSERT_GT(marker, 0);
    // Keeping the marker and every line up to (not including) the end line: the first missing
    // line is named.
    for (qsizetype kept = marker + 1; kept < lines.size(); ++kept)
        EXPECT_EQ(failingLine(bytesOf(lines.mid(0, kept))), kept + 1) << "cut after line " << kept;
}

TEST(LaterSubjectsFile, SectionsThatDoNotFitThePlanAreRefused)
{
    const QStringList lines = linesOf(serializePlan(plan2024()));
    const int basic = static_cast<int>(lines.indexOf(u"#ミルテ拡張 1"_s));

    // A value that is no unit count, on its own line.
    QStringList bad = lines;
    bad[basic + 3] = u"7.5"_s;
    EXPECT_EQ(failingLine(bytesOf(bad)), basic + 4);

    // A section of three values where the hours take four.
    bad = lines;
    bad[basic + 1] = u"#gaikokugo 3"_s;
    bad.removeAt(basic + 5);
    EXPECT_EQ(failingLine(bytesOf(bad)), basic + 2);

    // Term values that fit one by one but take the year's 外国語 beyond 16 bits: the term that
    // tips it over is named on its own line of the extension (term 2, after base and term 1).
    bad = lines;
    bad[basic + 3] = u" 20000 "_s;
    bad[basic + 4] = u" 20000 "_s;
    EXPECT_EQ(failingLine(bytesOf(bad)), basic + 5);

    // 外国語 in a plan of 2015, which has no such subject.
    bad = lines;
    bad[6] = u" 2015"_s; // line 7: the school year
    EXPECT_EQ(failingLine(bytesOf(bad)), basic + 2);
}
