// Builds the example plans from the model, the way the wizard and the week view would, and saves them
// with the program's writer, the first term registered day by day: 平成13年度 3年2組
// (examples/sample.rv) and, with --year 2024, 令和6年度 5年1組 with 外国語 (examples/sample2024.rv).
#include "calendar/dates.h"
#include "calendar/nationalholidays.h"
#include "calendar/schoolday.h"
#include "core/mirteerror.h"
#include "core/plandefaults.h"
#include "planfile/planfile.h"
#include "totals/standardcomparison.h"
#include "totals/weektotals.h"
#include "totals/yeartotals.h"

#include <QCoreApplication>
#include <QDate>
#include <QMap>
#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void addDayOff(AppState& s, const QDate& date)
{
    const auto slot = static_cast<std::size_t>(s.intHolidayCount++);
    s.dateHoliday[slot] = date;
    s.intHoliday[slot] = DayOfYear(date);
}

QString timetableOf(const AppState& s, const QDate& date)
{
    const RivoDayTime* day = s.objWeekTimetable->objFirstDay;
    for (int w = 2; w < Weekday(date); ++w)
        day = day->objNextDay.get();
    return day->strSubject;
}

void registerDay(AppState& s, const QDate& date, const QString& subjects, const QString& event,
                 bool cancelled)
{
    s.objDayChain->appendDay(makeRecordedDay(date, subjects, event, cancelled));
}

// Monday to Saturday, periods 0–6, as the timetable page sets them.
void setTimetable(AppState& s, const QString (&timetable)[6])
{
    RivoDayTime* weekday = s.objWeekTimetable->objFirstDay;
    for (const QString& subjects : timetable) {
        weekday->strSubject = subjects;
        weekday = weekday->objNextDay.get();
    }
    calculate(*s.objWeekTimetable, s.strTimeCredit, s.catalogue());
}

// Each subject's base hours over the terms: 36 % and 40 % of the lesson hours, the rest in term 3.
void planTermsFromBase(AppState& s)
{
    const auto terms = s.objYearPlan->terms();
    for (Field f : kSubjectFields) {
        const int hours = (*s.objYearBase)[f] / 3;
        const int first = static_cast<int>(std::lround(hours * 0.36));
        const int second = static_cast<int>(std::lround(hours * 0.40));
        (*terms[0])[f] = static_cast<Units>(first * 3);
        (*terms[1])[f] = static_cast<Units>(second * 3);
        (*terms[2])[f] = static_cast<Units>((hours - first - second) * 3);
    }
}

struct EventDay {
    QDate date;
    const char16_t* subjects; // null: as in the timetable
    const char16_t* event;
};

// Every school day from April to July registered as the timetable has it, or as its event day
// says; the withdrawn day is registered and then withdrawn.
template <std::size_t N>
void registerFirstTerm(AppState& s, const EventDay (&events)[N], const QDate& withdrawn)
{
    for (QDate d(s.intYear, 4, 1); d <= QDate(s.intYear, 7, 31); d = d.addDays(1)) {
        if (!IsSchoolDay(s, d))
            continue;
        QString subjects = timetableOf(s, d);
        QString event;
        for (const EventDay& e : events) {
            if (e.date != d)
                continue;
            if (e.subjects)
                subjects = QString::fromUtf16(e.subjects);
            if (e.event)
                event = QString::fromUtf16(e.event);
        }
        registerDay(s, d, subjects, event, d == withdrawn);
    }
}

// 平成13年度 3年2組: the second and fourth Saturdays off.
AppState samplePlan()
{
    constexpr int kYear = 2001;
    AppState s;
    InitPlanDefaults(s);
    s.intYear = kYear;
    s.intGrade = 3;
    s.strClass = u"2"_s;
    s.strTeacher = u"髙橋 美咲"_s;

    // The initial day boxes, the second and fourth Saturday off.
    applyHolidayRules(s, computeHolidayRules(kYear, initialHolidayBoxes(), SaturdayRule::SecondAndFourthOff,
                                             holidayRulesOf(s)));
    addDayOff(s, QDate(2001, 5, 21));  // 振替休業日 after the sports day on a Saturday
    addDayOff(s, QDate(2001, 6, 15));  // 開校記念日
    addDayOff(s, QDate(2001, 11, 19)); // 振替休業日 after the school festival

    const auto& lengths = defaultTimeCredit(3);
    for (std::size_t d = 0; d < 6; ++d)
        s.strTimeCredit[d] = lengths[d];

    // Monday to Saturday, periods 0–6; 　 is an empty period.
    const QString timetable[6] = {u"学国算社体国　"_s, u"国国算理音図　"_s, u"算国社算体道　"_s,
                                  u"　国算理図総　"_s, u"国国総体音総　"_s, u"　国学　　　　"_s};
    setTimetable(s, timetable);

    // Base hours of grade 3 in lesson hours; the plan splits them over the terms.
    const QMap<Field, int> baseHours = {
        {Field::kokugo, 235}, {Field::syakai, 70},          {Field::sannsuu, 150}, {Field::rika, 70},
        {Field::onngaku, 60}, {Field::zukou, 60},           {Field::taiiku, 90},   {Field::sougou, 105},
        {Field::doutoku, 35}, {Field::gakkyuukatsudou, 35},
    };
    for (auto it = baseHours.cbegin(); it != baseHours.cend(); ++it)
        (*s.objYearBase)[it.key()] = static_cast<Units>(it.value() * 3);
    planTermsFromBase(s);
    const auto terms = s.objYearPlan->terms();
    (*terms[0])[Field::gakkougyouji] = 30;
    (*terms[1])[Field::gakkougyouji] = 45;
    (*terms[2])[Field::gakkougyouji] = 21;
    (*terms[1])[Field::yobi] = 6;
    s.objYearBase->recomputeSubtotals();
    for (RivoSeasonTotal* term : terms)
        term->recomputeSubtotals();
    calculate(*s.objYearPlan);

    // The first term, registered day by day; event days differ from the timetable.
    const EventDay events[] = {
        {QDate(2001, 4, 5), u"　行学学　　　", u"始業式"},
        {QDate(2001, 4, 6), u"　行学　　　　", u"入学式"},
        {QDate(2001, 4, 11), u"算国行算体道　", u"体位測定"},
        {QDate(2001, 4, 17), u"国国算行音図　", u"交通教室"},
        {QDate(2001, 4, 23), u"学国算社切切　", u"家庭訪問"},
        {QDate(2001, 4, 24), u"国国算理切切　", u"家庭訪問"},
        {QDate(2001, 4, 25), u"算国社算切切　", u"家庭訪問"},
        {QDate(2001, 5, 11), u"　行行行行行　", u"春季遠足"},
        {QDate(2001, 5, 19), u"　行行　　　　", u"運動会"},
        {QDate(2001, 5, 29), nullptr, u"歯科検診"},
        {QDate(2001, 6, 8), u"国国総体行総　", u"防災訓練"},
        {QDate(2001, 6, 20), nullptr, u"内科検診"},
        {QDate(2001, 7, 17), u"国国算理音予　", nullptr},
        {QDate(2001, 7, 19), u"　行学切切切　", u"終業式"},
    };
    // 18 July was registered and then withdrawn: the record stays, counting nowhere.
    registerFirstTerm(s, events, QDate(2001, 7, 18));
    return s;
}

// 令和6年度 5年1組: a five-day week, 外国語 twice a week, the base hours the grade's standard.
AppState todaysPlan()
{
    constexpr int kYear = 2024;
    AppState s;
    InitPlanDefaults(s);
    s.intYear = kYear;
    s.intGrade = 5;
    s.strClass = u"1"_s;
    s.strTeacher = u"佐々木 陽菜"_s;

    HolidayBoxes boxes = initialHolidayBoxes(kYear);
    boxes[0] = 7; // the spring holidays end on Sunday 7 April; school begins on the 8th
    applyHolidayRules(s, computeHolidayRules(kYear, boxes, SaturdayRule::AllOff, holidayRulesOf(s)));
    addDayOff(s, QDate(2024, 6, 14)); // 開校記念日
    addDayOff(s, QDate(2024, 10, 7)); // 振替休業日 after the sports day on a Saturday
    updateLawRestDays(s);

    // 45-minute periods 1–6, a 15-minute morning period 0 without lessons; no Saturday lessons.
    s.strTimeCredit = {u"1333333"_s, u"1333333"_s, u"1333330"_s, u"1333333"_s, u"1333333"_s, u"0000000"_s};
    const QString timetable[6] = {u"　国算外体理社"_s, u"　国算社理音家"_s, u"　国算体外総　"_s,
                                  u"　国算社理図図"_s, u"　国算道総学家"_s, u"　　　　　　　"_s};
    setTimetable(s, timetable);

    // 「標準時数を入れる」, then the plan split over the terms.
    fillBaseWithStandard(*s.objYearBase, kYear, s.intGrade);
    planTermsFromBase(s);
    const auto terms = s.objYearPlan->terms();
    (*terms[0])[Field::gakkougyouji] = 27;
    (*terms[1])[Field::gakkougyouji] = 42;
    (*terms[2])[Field::gakkougyouji] = 18;
    (*terms[0])[Field::kurabu] = 12;
    (*terms[1])[Field::kurabu] = 15;
    (*terms[2])[Field::kurabu] = 9;
    for (RivoSeasonTotal* term : terms)
        term->recomputeSubtotals();
    calculate(*s.objYearPlan);

    const EventDay events[] = {
        {QDate(2024, 4, 8), u"　行学学　　　", u"始業式"},
        {QDate(2024, 4, 9), u"　行学国算　　", u"入学式"},
        {QDate(2024, 4, 17), u"　国算外行行　", u"全国学力・学習状況調査"},
        {QDate(2024, 4, 25), u"　国算行理図図", u"交通安全教室"},
        {QDate(2024, 5, 10), u"　行行行行行　", u"春季遠足"},
        {QDate(2024, 5, 22), nullptr, u"歯科検診"},
        {QDate(2024, 6, 5), u"　国算体外行ク", u"クラブ活動"},
        {QDate(2024, 6, 24), u"　国算外体切切", u"個人懇談"},
        {QDate(2024, 6, 25), u"　国算社理切切", u"個人懇談"},
        {QDate(2024, 7, 3), u"　国算体外総予", nullptr},
        {QDate(2024, 7, 19), u"　行学切切切　", u"終業式"},
    };
    // 18 July was registered and then withdrawn: the record stays, counting nowhere.
    registerFirstTerm(s, events, QDate(2024, 7, 18));
    return s;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool today = args.size() == 3 && args[0] == u"--year"_s && args[1] == u"2024"_s;
    if (args.size() != 1 && !today) {
        std::fputs("usage: make-example [--year 2024] OUT.rv\n", stderr);
        return 2;
    }
    AppState plan = today ? todaysPlan() : samplePlan();
    plan.strFileName = args.last();
    try {
        SavePlanFile(plan);
    } catch (const MirteError& e) {
        std::fprintf(stderr, "%s\n", e.description().toUtf8().constData());
        return 1;
    }
    return 0;
}
