// The weekly timetable page's rules: where an initial stands on the palette, what a period button
// shows for an initial, and the day's subject string built from the periods' initials.
#pragma once

#include "core/catalogue.h"

#include <QChar>
#include <QString>
#include <array>

inline constexpr int kPaletteSize = 13;
// The longest timetable palette of any catalogue.
inline constexpr int kMaxPaletteSize = 15;
// The palette's subjects in order;児童会, 行事, 打切り and spare time are not on it.
inline constexpr char16_t kPaletteInitials[] = u"総国社算理生音図家体道学ク";

// Position of an initial on the palette, -1 for one that is not on it.
int subGetSubject(QChar initial);
// The same on the timetable palette of a catalogue.
int subGetSubject(const Catalogue& catalogue, QChar initial);

// What a period shows for an initial: the subject's name and its palette index (-1 when the
// subject has no palette picture). An empty period, "　", shows nothing; an initial outside the
// catalogue shows itself, so that it is still seen and kept.
struct PeriodLook {
    QString caption;
    int paletteIndex = -1;
};
PeriodLook periodLook(QChar initial);
PeriodLook periodLook(const Catalogue& catalogue, QChar initial);

// Character k of a stored subject string, "　" past its end.
QChar periodInitial(const QString& strSubject, int period);

// The seven-character subject string of a day.
QString daySubjects(const std::array<QChar, 7>& initials);
