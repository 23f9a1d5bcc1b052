// What the commands share: opening a plan, naming its school year, and laying out text tables in
// which a full-width character takes two columns.
#pragma once

#include "calendar/dates.h"
#include "core/appstate.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The plan of a file, read into a state of its own. Throws PlanFileError.
AppState openPlan(const QString& path);

// "2001-10-15".
QString isoDate(const QDate& date);

// Columns a text takes in a terminal: two for full-width characters, one for the rest
// (half-width katakana such as ｸﾗﾌﾞ included).
int displayWidth(const QString& text);
QString padRight(const QString& text, int width);
QString padLeft(const QString& text, int width);
// A line of a text table: the label padded on the right, each cell on the left.
QString tableLine(const QString& label, const QStringList& cells, int labelWidth, int cellWidth);
