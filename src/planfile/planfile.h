// Opening and saving the plan file named in the state: one plan per text file, CP932 with CR LF.
// Reading replaces the open plan only once the whole file has been read; saving goes through a
// temporary file, so a failed save leaves the previous file as it was.
#pragma once

#include "core/appstate.h"

#include <QString>

// Shown when a save finds no plan or no file name.
QString nothingToSaveMessage(); // "まだ保存するデータがありません。"

enum class SaveResult { Saved, NothingToSave };

// Reads strFileName into the state. The plan is replaced whole (the recorded days of the file
// replace the list, the results start afresh, boolCalendarShown is cleared); the window state and
// strFileName stay. A bad or unreadable file changes nothing and throws PlanFileError.
void LoadPlanFile(AppState& state);
// The same for a chosen path; strFileName becomes that path only when the file was read.
void LoadPlanFile(AppState& state, const QString& path);

// Writes the plan to strFileName. NothingToSave when strFileName is empty or intYear is 0 (nothing
// is written then). Throws PlanFileError for a text the file cannot hold and for a failed write;
// in both cases the file on disk is untouched.
SaveResult SavePlanFile(const AppState& state);
