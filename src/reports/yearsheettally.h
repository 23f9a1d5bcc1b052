// The tally part of the annual sheet for the rows of a plan's catalogue: its columns, the rules
// between them and its headings. The sixteen subjects keep their fixed layout; a catalogue with
// more rows shares the same width among more, narrower columns.
#pragma once

#include "core/catalogue.h"

#include <QString>
#include <vector>

inline constexpr double kYearTallyLeft = 9040;
inline constexpr double kYearTallyRight = 15825;

struct YearSheetColumn {
    Field field{};
    double left = 0, right = 0;
    // Where the week's value and the term's and year's values start, padded to so many characters.
    double weekX = 0, termX = 0;
    int weekChars = 4, termChars = 5;
};

struct YearSheetLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width = 1;
};

struct YearSheetHeading {
    QString text;
    double x = 0, y = 0;
};

struct YearSheetRule {
    double x = 0;
    int width = 1;
};

struct YearSheetTally {
    std::vector<YearSheetColumn> columns;
    // The rules between the columns, drawn through every term block.
    std::vector<YearSheetRule> rules;
    // The heading band's lines, in drawing order.
    std::vector<YearSheetLine> headerLines;
    // Title, group and column headings, all at size 8.
    std::vector<YearSheetHeading> headings;
    // The size of the values.
    double valuePoints = 5;
    // Whether a value longer than its column's padded width is moved or drawn smaller so that it
    // stays inside the column. The fixed layout draws every value where it always has.
    bool keepsValuesInside = false;
};

// The tally part of a catalogue's rows.
YearSheetTally yearSheetTally(const Catalogue& catalogue);

// Where a value of a column starts and the size it is drawn at: the padded text as laid out, or,
// for a layout that keeps values inside, a longer text right-aligned with it, drawn smaller and a
// little lower, on the middle of its line, when even the whole column is too narrow for it.
struct YearSheetValuePlace {
    double x = 0;
    double dy = 0; // below the line's top
    double points = 0;
};
YearSheetValuePlace placeYearSheetValue(const YearSheetTally& tally, const YearSheetColumn& column,
                                        double paddedX, int paddedChars, const QString& text);
