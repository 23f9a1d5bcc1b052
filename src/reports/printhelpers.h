// Formatting shared by the printed sheets: right-aligned numbers and hour texts, the subject picture
// of an initial for the class's grade, and the grade and class as the sheets' titles write them.
#pragma once

#include "core/units.h"

#include <QChar>
#include <QString>
#include <cstdint>
#include <optional>

inline const QString kSheetFontMincho = QStringLiteral("ＭＳ 明朝");
inline const QString kSheetFontGothic = QStringLiteral("ＭＳ ゴシック");

// The decimal text of value, padded in front with spaces to width characters; never cut.
QString fncItoS(std::int16_t value, int width);
// The hour text of a unit count, padded in front with spaces to width characters; never cut.
QString fncCtoS(Units value, int width);

// The sheet picture (0–19) of a subject initial for a grade, or -1 when the subject has none.
// Grades 1 and 2 get the hiragana pictures where there is one.
int fncPictIndex(const QString& initial, int intGrade);

// The grade as one full-width digit "１" … "６"; empty outside 1 to 6.
QString gradeDigit(int intGrade);
// The full-width digit of a class named by a whole number 1 to 9 ("2" → "２"), or nothing.
std::optional<QChar> classDigit(const QString& strClass);
// The class as a title writes it: its full-width digit, or the text unchanged.
QString classText(const QString& strClass);
