// The whole school at a glance: many classes' plan files read and summarised side by side, one
// table per school year, classes by grade and then by class.
#pragma once

#include "totals/classyear.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

struct SummaryRow {
    QString file;
    ClassYear figures;
};

// A plan file that could not be read, as the reader reported it.
struct SummaryError {
    QString file;
    int line = 0;
    QString message;
};

struct SchoolYearTable {
    int schoolYear = 0;
    std::vector<Field> fields; // the columns, in order
    std::vector<SummaryRow> rows;
};

struct SchoolSummary {
    QDate until; // registered hours up to and including this day; all of them when not valid
    std::vector<SchoolYearTable> years; // ascending school years
    std::vector<SummaryError> errors;   // in the order the files were given

    bool isEmpty() const { return years.empty(); }
    int classCount() const;
};

// Reads every file; a file that cannot be read goes to the errors and the others are summarised.
// A file given twice is read once.
SchoolSummary summarizePlanFiles(const QStringList& files, const QDate& until = {});

// Whether class a is listed before class b: grade, then class (numbers by value, so 2 before 10,
// full-width digits as their value), then teacher and file.
bool classBefore(const SummaryRow& a, const SummaryRow& b);

// The plan files (*.rv, any case) in a folder and in the folders directly inside it (one per grade,
// say), sorted by path. Deeper folders are not searched: a folder picked by mistake, such as a
// home folder, is not walked whole.
QStringList planFilesInFolder(const QString& folder);

// The columns of several tables as one list: each table's fields in its own order, a field that
// only some tables have placed after the field it follows there.
std::vector<Field> mergedFields(const std::vector<SchoolYearTable>& years);
