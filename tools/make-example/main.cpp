// Builds the example plan from the model, the way the wizard and the week view would, and saves it
// with the program's writer: 平成13年度 3年2組, the first term registered day by day.
#include "calendar/dates.h"
#include "calendar/nationalholidays.h"
#include "calendar/schoolday.h"
#include "core/mirteerror.h"
#include "core/plandefaults.h"
#include "planfile/planfile.h"
#include "totals/weektotals.h"
#include "totals/yeartotals.h"

#include <QCoreApplication>
#include <QDate>
#include <QMap>
#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int kYear = 2001;

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

AppState samplePlan()
{
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
    RivoDayTime* weekday = s.objWeekTimetable->objFirstDay;
    for (const QString& subjects : timetable) {
        weekday->strSubject = subjects;
        weekday = weekday->objNextDay.get();
    }
    calculate(*s.objWeekTimetable, s.strTimeCredit, s.catalogue());

    // Base hours of grade 3 in lesson hours; the plan splits them over the terms.
    const QMap<Field, int> baseHours = {
        {Field::kokugo, 235}, {Field::syakai, 70},          {Field::sannsuu, 150}, {Field::rika, 70},
        {Field::onngaku, 60}, {Field::zukou, 60},           {Field::taiiku, 90},   {Field::sougou, 105},
        {Field::doutoku, 35}, {Field::gakkyuukatsudou, 35},
    };
    const auto terms = s.objYearPlan->terms();
    for (auto it = baseHours.cbegin(); it != baseHours.cend(); ++it) {
        (*s.objYearBase)[it.key()] = static_cast<Units>(it.value() * 3);
        const int first = static_cast<int>(std::lround(it.value() * 0.36));
        const int second = static_cast<int>(std::lround(it.value() * 0.40));
        (*terms[0])[it.key()] = static_cast<Units>(first * 3);
        (*terms[1])[it.key()] = static_cast<Units>(second * 3);
        (*terms[2])[it.key()] = static_cast<Units>((it.value() - first - second) * 3);
    }
    (*terms[0])[Field::gakkougyouji] = 30;
    (*terms[1])[Field::gakkougyouji] = 45;
    (*terms[2])[Field::gakkougyouji] = 21;
    (*terms[1])[Field::yobi] = 6;
    s.objYearBase->recomputeSubtotals();
    for (RivoSeasonTotal* term : terms)
        term->recomputeSubtotals();
    calculate(*s.objYearPlan);

    // The first term, registered day by day; event days differ from the timetable.
    struct EventDay {
        QDate date;
        const char16_t* subjects; // null: as in the timetable
        const char16_t* event;
    };
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
    for (QDate d(2001, 4, 1); d <= QDate(2001, 7, 31); d = d.addDays(1)) {
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
        // 18 July was registered and then withdrawn: the record stays, counting nowhere.
        registerDay(s, d, subjects, event, d == QDate(2001, 7, 18));
    }
    return s;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fputs("usage: make-example OUT.rv\n", stderr);
        return 2;
    }
    AppState plan = samplePlan();
    plan.strFileName = app.arguments().at(1);
    try {
        SavePlanFile(plan);
    } catch (const MirteError& e) {
        std::fprintf(stderr, "%s\n", e.description().toUtf8().constData());
        return 1;
    }
    return 0;
}
