#include "calendar/holidaylaw.h"

#include "calendar/dates.h"

#include <QSet>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr int kAlways = std::numeric_limits<int>::min();
constexpr int kForever = std::numeric_limits<int>::max();

enum class On { Fixed, NthMonday, VernalEquinox, AutumnEquinox };

// One holiday as the law set it for a run of years: a fixed day, the n-th Monday of a month, or an
// equinox day. A holiday whose rule changed has one row per rule.
struct HolidayRule {
    const char16_t* name;
    int fromYear;
    int toYear;
    On on;
    int month;
    int day; // day of the month, or n for the n-th Monday
};

// The holidays of the national holidays act (国民の祝日に関する法律, 昭和23年法律第178号) as amended,
// and the days the law made holidays for one year. The rows before 2000 stand for the rules of 2000.
constexpr std::array<HolidayRule, 31> kHolidayRules = {{
    {u"元日", kAlways, kForever, On::Fixed, 1, 1},
    // 平成10年法律第141号: 成人の日 and 体育の日 on second Mondays from 2000.
    {u"成人の日", kAlways, kForever, On::NthMonday, 1, 2},
    {u"建国記念の日", kAlways, kForever, On::Fixed, 2, 11},
    // 天皇の退位等に関する皇室典範特例法 (平成29年法律第63号): 天皇誕生日 on 23 February from 2020,
    // none in 2019.
    {u"天皇誕生日", 2020, kForever, On::Fixed, 2, 23},
    {u"春分の日", kAlways, kForever, On::VernalEquinox, 3, 0},
    // 平成17年法律第43号: 29 April becomes 昭和の日 and みどりの日 moves to 4 May, from 2007.
    {u"みどりの日", kAlways, 2006, On::Fixed, 4, 29},
    {u"昭和の日", 2007, kForever, On::Fixed, 4, 29},
    // 天皇の即位の日及び即位礼正殿の儀の行われる日を休日とする法律 (平成30年法律第99号): both days count
    // as holidays in 2019, which makes 30 April and 2 May days between two holidays.
    {u"天皇の即位の日", 2019, 2019, On::Fixed, 5, 1},
    {u"憲法記念日", kAlways, kForever, On::Fixed, 5, 3},
    {u"みどりの日", 2007, kForever, On::Fixed, 5, 4},
    {u"こどもの日", kAlways, kForever, On::Fixed, 5, 5},
    // 平成13年法律第59号: 海の日 and 敬老の日 on third Mondays from 2003.
    {u"海の日", kAlways, 2002, On::Fixed, 7, 20},
    {u"海の日", 2003, 2019, On::NthMonday, 7, 3},
    // The Tokyo Games moved 海の日, スポーツの日 and 山の日: for 2020 by 平成30年法律第55号, for 2021
    // by 令和2年法律第68号.
    {u"海の日", 2020, 2020, On::Fixed, 7, 23},
    {u"海の日", 2021, 2021, On::Fixed, 7, 22},
    {u"海の日", 2022, kForever, On::NthMonday, 7, 3},
    {u"スポーツの日", 2020, 2020, On::Fixed, 7, 24},
    {u"スポーツの日", 2021, 2021, On::Fixed, 7, 23},
    // 平成26年法律第43号: 山の日 on 11 August from 2016.
    {u"山の日", 2016, 2019, On::Fixed, 8, 11},
    {u"山の日", 2020, 2020, On::Fixed, 8, 10},
    {u"山の日", 2021, 2021, On::Fixed, 8, 8},
    {u"山の日", 2022, kForever, On::Fixed, 8, 11},
    {u"敬老の日", kAlways, 2002, On::Fixed, 9, 15},
    {u"敬老の日", 2003, kForever, On::NthMonday, 9, 3},
    {u"秋分の日", kAlways, kForever, On::AutumnEquinox, 9, 0},
    // 平成30年法律第57号: 体育の日 is スポーツの日 from 2020.
    {u"体育の日", kAlways, 2019, On::NthMonday, 10, 2},
    {u"スポーツの日", 2022, kForever, On::NthMonday, 10, 2},
    {u"即位礼正殿の儀の行われる日", 2019, 2019, On::Fixed, 10, 22},
    {u"文化の日", kAlways, kForever, On::Fixed, 11, 3},
    {u"勤労感謝の日", kAlways, kForever, On::Fixed, 11, 23},
    {u"天皇誕生日", kAlways, 2018, On::Fixed, 12, 23},
}};

// The equinox days announced for 2000 to 2027 (the day of March and of September), as published in
// the official gazette each February for the following year.
constexpr int kAnnouncedFrom = 2000;
using AnnouncedDays = std::array<int, kLastAnnouncedEquinoxYear - kAnnouncedFrom + 1>;
constexpr AnnouncedDays kVernalDays = {
    20, 20, 21, 21, 20, 20, 21, 21, 20, 20, 21, 21, 20, 20, // 2000–2013
    21, 21, 20, 20, 21, 21, 20, 20, 21, 21, 20, 20, 20, 21, // 2014–2027
};
constexpr AnnouncedDays kAutumnDays = {
    23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 22, 23, // 2000–2013
    23, 23, 22, 23, 23, 23, 22, 23, 23, 23, 22, 23, 23, 23, // 2014–2027
};

// The usual approximation of the equinox day (valid 1980–2099): the day the sun reaches the
// equinox in Japan Standard Time, drifting 0.242194 days a year and set back by each leap day.
int estimatedEquinoxDay(int year, double base)
{
    const int n = year - 1980;
    const int leapDays = n >= 0 ? n / 4 : -((3 - n) / 4);
    return static_cast<int>(std::floor(base + 0.242194 * n - leapDays));
}

EquinoxDay equinoxDay(int year, int month, const AnnouncedDays& announced, double base)
{
    if (year >= kAnnouncedFrom && year <= kLastAnnouncedEquinoxYear)
        return {QDate(year, month, announced[static_cast<std::size_t>(year - kAnnouncedFrom)]), false};
    // Far from the present the approximation means nothing; the days most years have stand in.
    const bool estimable = year >= 1900 && year <= 2099;
    const int day = estimable ? estimatedEquinoxDay(year, base) : (month == 3 ? 20 : 23);
    return {QDate(year, month, day), year > kLastAnnouncedEquinoxYear};
}

bool chosenFor(const QDate& chosen, int year, int month)
{
    return chosen.isValid() && chosen.year() == year && chosen.month() == month;
}

void addRule(std::vector<RestDay>& out, const HolidayRule& rule, int year, const EquinoxChoice& choice)
{
    if (year < rule.fromYear || year > rule.toYear)
        return;
    RestDay day;
    day.name = QString::fromUtf16(rule.name);
    day.kind = RestDayKind::Holiday;
    switch (rule.on) {
    case On::Fixed: day.date = QDate(year, rule.month, rule.day); break;
    case On::NthMonday: day.date = nthMonday(year, rule.month, rule.day); break;
    case On::VernalEquinox:
    case On::AutumnEquinox: {
        const bool vernal = rule.on == On::VernalEquinox;
        const EquinoxDay law = vernal ? vernalEquinox(year) : autumnEquinox(year);
        const QDate& chosen = vernal ? choice.vernal : choice.autumn;
        day.date = chosenFor(chosen, year, rule.month) ? chosen : law.date;
        day.provisional = law.provisional;
        break;
    }
    }
    out.push_back(day);
}

std::vector<RestDay> holidaysOf(int year, const EquinoxChoice& choice)
{
    std::vector<RestDay> days;
    for (const HolidayRule& rule : kHolidayRules)
        addRule(days, rule, year, choice);
    std::stable_sort(days.begin(), days.end(),
                     [](const RestDay& a, const RestDay& b) { return a.date < b.date; });
    return days;
}

// The substitute holiday and the day between two holidays changed with 平成17年法律第43号 on
// 1 January 2007.
const QDate kRevision2007(2007, 1, 1);

// The holidays of the years around a span, by date, so that a rest day at either end of the span
// sees its neighbours.
class HolidayIndex {
public:
    HolidayIndex(int firstYear, int lastYear, const EquinoxChoice& choice)
    {
        for (int y = firstYear - 1; y <= lastYear + 1; ++y)
            for (RestDay& day : holidaysOf(y, choice))
                m_days.push_back(std::move(day));
    }

    const RestDay* at(const QDate& date) const
    {
        const auto it = std::lower_bound(m_days.begin(), m_days.end(), date,
                                         [](const RestDay& d, const QDate& x) { return d.date < x; });
        return it != m_days.end() && it->date == date ? &*it : nullptr;
    }

    const std::vector<RestDay>& holidays() const { return m_days; }

    // Until 2006 the Monday after a Sunday holiday (when it is no holiday itself); from 2007 the
    // first following day that is no holiday.
    std::optional<QDate> substituteFor(const RestDay& holiday) const
    {
        if (holiday.date.dayOfWeek() != Qt::Sunday)
            return std::nullopt;
        QDate next = holiday.date.addDays(1);
        if (holiday.date < kRevision2007)
            return at(next) ? std::nullopt : std::optional<QDate>(next);
        while (at(next))
            next = next.addDays(1);
        return next;
    }

private:
    std::vector<RestDay> m_days;
};

bool inLawYears(const QDate& date)
{
    return date.year() >= kFirstLawYear && date.year() <= kLastLawYear;
}

} // namespace

QString restDayKindText(RestDayKind kind)
{
    switch (kind) {
    case RestDayKind::Holiday: return u"祝日"_s;
    case RestDayKind::Substitute: return u"振替休日"_s;
    case RestDayKind::Between: return u"国民の休日"_s;
    }
    return {};
}

QString RestDay::displayName() const
{
    return provisional ? name + u"（予定）"_s : name;
}

EquinoxDay vernalEquinox(int year)
{
    return equinoxDay(year, 3, kVernalDays, 20.8431);
}

EquinoxDay autumnEquinox(int year)
{
    return equinoxDay(year, 9, kAutumnDays, 23.2488);
}

std::vector<RestDay> lawHolidaysOfYear(int year, const EquinoxChoice& choice)
{
    return holidaysOf(year, choice);
}

QDate restDayOfHoliday(const QDate& holiday, const EquinoxChoice& choice)
{
    if (holiday.dayOfWeek() != Qt::Sunday)
        return holiday;
    const HolidayIndex index(holiday.year(), holiday.year(), choice);
    if (const RestDay* day = index.at(holiday))
        if (const auto substitute = index.substituteFor(*day))
            return *substitute;
    return holiday.addDays(1);
}

std::vector<RestDay> restDaysBetween(const QDate& from, const QDate& to, const EquinoxChoice& choice)
{
    const QDate first = std::max(from, QDate(kFirstLawYear, 1, 1));
    const QDate last = std::min(to, QDate(kLastLawYear, 12, 31));
    if (!first.isValid() || !last.isValid() || first > last)
        return {};
    const HolidayIndex index(first.year(), last.year(), choice);

    std::vector<RestDay> days;
    QSet<QDate> substitutes;
    for (const RestDay& holiday : index.holidays()) {
        if (const auto date = index.substituteFor(holiday)) {
            substitutes.insert(*date);
            if (*date >= first && *date <= last)
                days.push_back({*date, restDayKindText(RestDayKind::Substitute), RestDayKind::Substitute,
                                holiday.provisional});
        }
        if (holiday.date >= first && holiday.date <= last)
            days.push_back(holiday);
    }
    // A day between two holidays: until 2006 only when it is no Sunday and no substitute holiday.
    for (QDate d = first; d <= last; d = d.addDays(1)) {
        const RestDay* before = index.at(d.addDays(-1));
        const RestDay* after = index.at(d.addDays(1));
        if (!before || !after || index.at(d) || substitutes.contains(d))
            continue;
        if (d < kRevision2007 && d.dayOfWeek() == Qt::Sunday)
            continue;
        days.push_back({d, restDayKindText(RestDayKind::Between), RestDayKind::Between,
                        before->provisional || after->provisional});
    }
    std::sort(days.begin(), days.end(), [](const RestDay& a, const RestDay& b) { return a.date < b.date; });
    return days;
}

std::optional<RestDay> restDayOn(const QDate& date)
{
    if (!date.isValid() || !inLawYears(date))
        return std::nullopt;
    std::vector<RestDay> days = restDaysBetween(date, date);
    if (days.empty())
        return std::nullopt;
    return std::move(days.front());
}

std::vector<RestDay> schoolYearRestDays(int year, const EquinoxChoice& choice)
{
    return restDaysBetween(QDate(year, 4, 1), QDate(year + 1, 3, 31), choice);
}
