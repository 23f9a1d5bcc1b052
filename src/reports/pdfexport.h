// Prints a sheet to an A4 PDF file without any dialog, for the command-line companion and tools.
#pragma once

#include <QString>

struct AppState;
struct SchoolSummary;

enum class Sheet { Year, WeekPlan, TermTimetable, TermTally };

// Needs a QGuiApplication (fonts, pictures). Maps the sheets' font names onto the installed fonts.
// Throws MirteError when the file cannot be written. Every sheet but the poster recomputes
// objYearResult. `term` (1–3) chooses the term of a term sheet.
void printSheetToPdf(AppState& state, Sheet sheet, const QString& outPath, int term = 1);

// The whole-school sheet, one page per school year.
void printSchoolSummaryToPdf(const SchoolSummary& summary, const QString& outPath);
