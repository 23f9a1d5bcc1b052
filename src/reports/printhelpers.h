// Formatting shared by the printed sheets: right-aligned numbers and hour texts, the subject picture
// of an initial for the class's grade, and the grade and class as the sheets' titles write them.
#pragma once

#include "core/units.h"

#include <QChar>
#include <QString>
#include <cstdint>
#include <optional>

class Printer;

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
// Grade and class as the titles write them: "３年２組", "３年さくら組".
QString gradeClassText(int intGrade, const QString& strClass);

// Half-width columns a text takes in the sheets' fixed-pitch fonts: two for a full-width character.
int textColumns(const QString& text);
// The text cut to at most `columns` half-width columns, ending in "…" when it had to be cut.
QString fitText(const QString& text, int columns);

// A difference at the printer's current position, right-aligned in width characters: red below the
// plan, blue above it, black on it; a difference that left 16 bits reads 桁あふれ in red. The text
// colour is black again afterwards.
void printDifference(Printer& printer, std::optional<Units> difference, int width);
// The text printDifference prints.
QString differenceText(std::optional<Units> difference, int width);
