// The subjects a plan has, chosen by its school year: the palettes, the rows of the tallies and of
// the annual plan, and which initial counts in which field. Windows, sheets and the plan file ask
// for the catalogue of their plan instead of testing years themselves.
#pragma once

#include "core/subjects.h"
#include "core/unitcounts.h"

#include <QString>
#include <optional>
#include <vector>

struct Catalogue {
    int firstYear = 0; // the first school year the catalogue applies to
    // The main window's palette, in index order (the order picture indexes follow too).
    std::vector<Subject> subjects;
    // Initials offered on the weekly timetable page, in its palette order.
    QString timetableInitials;
    // Rows of the tallies (tally window, annual sheet, mirte-cli), subtotals included.
    std::vector<Field> tallyOrder;
    // Rows of the annual plan page and of the projection: every per-subject field, spare time last.
    std::vector<Field> planRows;
    // The fields beyond the basic record that this catalogue has (stored in the file's extension).
    std::vector<Field> laterFields;
    // Whether the annual plan page and the tally window set the plan beside the national standard
    // hours. Plans with the basic catalogue keep those windows as they always were.
    bool showsStandard = false;

    // All palette initials in index order.
    QString initials() const;
    // Index of an initial on the palette; -1 when the catalogue has no such subject.
    int paletteIndex(QChar initial) const;
    // Field an initial counts in (the spare initial 予 included); none for "　" and anything else.
    std::optional<Field> fieldOfInitial(QChar initial) const;
    // Display name of an initial of the palette; empty for anything else.
    QString subjectName(QChar initial) const;
    // Initial of a display name of the palette; "　" for the empty text; empty for anything else.
    QString SubjectInitial(const QString& displayName) const;
    // Whether the catalogue has the field (every field of the basic record, and its later ones).
    bool has(Field field) const;
    // Whether the text holds an initial that only this catalogue's later subjects have.
    bool holdsLaterInitial(const QString& subjects) const;
};

// The catalogue of a school year. Any year before the first later one (year 0 of a plan not yet
// chosen included) has the basic sixteen subjects.
const Catalogue& catalogueOf(int schoolYear);

// The catalogue every plan up to school year 2010 has: the sixteen subjects and spare time.
const Catalogue& basicCatalogue();
