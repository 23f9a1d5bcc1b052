// The input table of the annual plan page as pure rules: which text a box may hold, what the 68
// boxes store, and where the arrow keys move the focus.
#pragma once

#include "core/unitcounts.h"

#include <QString>
#include <array>
#include <optional>
#include <qnamespace.h>
#include <vector>

// Rows of a plan with the basic catalogue; a later catalogue has up to kMaxPlanRows.
inline constexpr int kPlanRows = 17;
inline constexpr int kMaxPlanRows = 19;
inline constexpr int kBaseBoxes = kPlanRows;
inline constexpr int kPlanBoxes = 3 * kPlanRows; // box 3 × row + term

// The fields of rows 0 to 16.
extern const std::array<Field, kPlanRows> kPlanRowFields;
// The row captions of the left grid: "国語" … "予備".
extern const std::array<QString, kPlanRows> kPlanRowCaptions;

// The check of one box: a dot must be followed by exactly one digit 0 to 2 and must not come
// first, and the text must read as a number of hours.
bool isValidHourBox(const QString& text);
// The unit count of a box, or none when the box is invalid.
std::optional<Units> hourBoxUnits(const QString& text);

struct YearPlanFigures {
    UnitCounts base;                // the base hours with their subtotals
    std::array<UnitCounts, 3> term; // the plan of each term with its subtotals
    UnitCounts year;                // the sum of the terms
    std::vector<Units> difference;  // year minus base: one per row, then SouJisuu
};

struct CheckedYearPlan {
    std::vector<QString> baseTexts; // one per row
    std::vector<QString> planTexts; // box 3 × row + term
    YearPlanFigures figures;
};

// Checks the boxes in index order, base boxes first. A box that is invalid, or whose value would
// take a sum or difference out of the 16-bit range, holds "0" afterwards and counts 0. `rows` are
// the fields of the rows (the plan rows of the plan's catalogue).
CheckedYearPlan checkYearPlan(const std::vector<Field>& rows, const std::vector<QString>& baseTexts,
                              const std::vector<QString>& planTexts);
// The same for the seventeen rows of the basic catalogue.
CheckedYearPlan checkYearPlan(const std::array<QString, kBaseBoxes>& baseTexts,
                              const std::array<QString, kPlanBoxes>& planTexts);

// What a key pressed in a box does.
enum class BoxKey { Left, Up, Right, Down, Enter, Typed, ResetsBox, Ignored };
// Qt key code and modifiers to its effect: digits, the period and the keypad decimal type;
// a lone modifier and Tab (the focus chain) do nothing of their own; any other key resets the box.
BoxKey classifyBoxKey(int key, Qt::KeyboardModifiers modifiers);

// The box a moving key goes to, or -1 when the key does not move, on a page of `rows` rows.
int baseBoxAfter(int box, BoxKey key, int rows = kPlanRows);
int planBoxAfter(int box, BoxKey key, int rows = kPlanRows);
