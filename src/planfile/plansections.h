// What a plan keeps in the extension sections of its file: which sections a plan needs when it is
// written, and what each section puts into a plan when it is read.
#pragma once

#include "core/appstate.h"
#include "planfile/planextension.h"

#include <vector>

// The sections of this plan, in the order they are written; none when the basic layout holds it all.
std::vector<ExtensionSection> planSections(const AppState& state);

// Whether this program reads a section of that name.
bool isPlanSection(QStringView name);

// Puts a section read from a file into the plan being read (its basic layout is read already).
// Throws PlanFileError naming the line of a value that does not fit.
void applyPlanSection(AppState& plan, const ExtensionSection& section, const QString& fileName);
