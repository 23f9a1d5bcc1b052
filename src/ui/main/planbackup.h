// The backup copy that "save as" keeps of the file it is about to replace.
#pragma once

#include <QString>

// The backup's path: in the plan file's own folder, the file's name up to and including its first
// "." followed by "bak" (plan.rv → plan.bak), or the whole name followed by ".bak" when the name has
// no "." (plan → plan.bak). Dots in folder names play no part.
QString backupFileName(const QString& planPath);

// Copies an existing plan file to its backup, replacing an older backup. False when there was no
// file to copy or the copy failed; the plan file itself is never touched.
bool copyToBackup(const QString& planPath);
