// The national rest days the holiday law gives from 2000 to 2031: the holidays themselves, the
// substitute holidays and the days between two holidays, with their names and the equinox days.
#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// The years whose rest days are answered; outside them no day is a rest day.
inline constexpr int kFirstLawYear = 2000;
inline constexpr int kLastLawYear = 2031;
// The school years whose rest days are all answered, 平成12年度 to 令和12年度.
inline constexpr int kFirstLawSchoolYear = kFirstLawYear;
inline constexpr int kLastLawSchoolYear = kLastLawYear - 1;
// The equinox days are announced each February for the following year; later ones are estimated.
inline constexpr int kLastAnnouncedEquinoxYear = 2027;

enum class RestDayKind {
    Holiday,    // 祝日
    Substitute, // 振替休日
    Between,    // 国民の休日
};

// "祝日", "振替休日", "国民の休日".
QString restDayKindText(RestDayKind kind);

struct RestDay {
    QDate date;
    QString name; // "海の日", "振替休日", "国民の休日", …
    RestDayKind kind = RestDayKind::Holiday;
    bool provisional = false; // rests on an equinox day not yet announced

    // "秋分の日" or "秋分の日（予定）".
    QString displayName() const;
    bool operator==(const RestDay&) const = default;
};

struct EquinoxDay {
    QDate date;
    bool provisional = false;
};

// 春分の日 (March) and 秋分の日 (September) of a year.
EquinoxDay vernalEquinox(int year);
EquinoxDay autumnEquinox(int year);

// Equinox days a plan chose in place of the law's: each valid date replaces the equinox of its own
// year and month (March or September); any other date is ignored.
struct EquinoxChoice {
    QDate autumn;
    QDate vernal;
};

// Every rest day from `from` to `to` (both included) in date order.
std::vector<RestDay> restDaysBetween(const QDate& from, const QDate& to, const EquinoxChoice& choice = {});

// The rest day on a date, if it is one.
std::optional<RestDay> restDayOn(const QDate& date);

// The rest days of school year `year`, 1 April `year` to 31 March `year` + 1.
std::vector<RestDay> schoolYearRestDays(int year, const EquinoxChoice& choice = {});

// The holidays (祝日) of a calendar year in date order, for any year: the rules of 2000 hold before
// it and the latest rules after 2031, which is what the plan's holiday entries are derived from.
std::vector<RestDay> lawHolidaysOfYear(int year, const EquinoxChoice& choice = {});

// Where a holiday's day off lands: the holiday itself, or its substitute when it falls on a Sunday
// (the Monday until 2006, from 2007 the first following day that is no holiday).
QDate restDayOfHoliday(const QDate& holiday, const EquinoxChoice& choice = {});
