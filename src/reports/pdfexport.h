// Prints a sheet to an A4 PDF file without any dialog, for the command-line companion and tools.
#pragma once

#include <QString>

struct AppState;
struct SchoolSummary;

enum class Sheet { Year, WeekPlan, TermTimetable, TermTally };

// A narrow margin, as a printer's own: the annual sheet needs almost the whole page.
inline constexpr double kPdfMarginMillimetres = 5;
// The widest margin that leaves a sheet a page to be drawn on (A4's short side is 210 mm).
inline constexpr double kPdfMaxMarginMillimetres = 70;

// Needs a QGuiApplication (fonts, pictures). Maps the sheets' font names onto the installed fonts.
// `term` (1–3) chooses the term of a term sheet. `margins` (0 to kPdfMaxMarginMillimetres) is each of
// the four margins in millimetres; a sheet larger than what they leave is drawn smaller as a whole.
// Throws MirteError when the file cannot be written. Every sheet but the poster recomputes
// objYearResult.
void printSheetToPdf(AppState& state, Sheet sheet, const QString& outPath, int term = 1,
                     double margins = kPdfMarginMillimetres);

// The whole-school sheet, one page per school year.
void printSchoolSummaryToPdf(const SchoolSummary& summary, const QString& outPath);
