// The weekly timetable poster: one portrait page with the six weekdays by the seven periods, each
// lesson as a picture of its subject with the period's length beneath. Grades 1 and 2 get the
// children's wording in hiragana and the hiragana pictures.
#pragma once

struct AppState;
class Printer;

// Prints the poster and ends the document. Changes nothing in the plan.
void subPrintWeekPlan(const AppState& state, Printer& printer);
