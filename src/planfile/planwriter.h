// The plan file writer without the disk: the whole plan as the bytes of its file.
#pragma once

#include "core/appstate.h"

#include <QByteArray>

// Every line in CP932, each ended by CR LF. Throws PlanFileError (file strFileName, line 0)
// naming the field and the character when a text cannot be stored as it is: a character CP932
// does not have, or a line break. Nothing is ever replaced or cut.
QByteArray serializePlan(const AppState& state);
