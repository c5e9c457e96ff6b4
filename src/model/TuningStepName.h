// The name of an undo step, said from what it changed: "FL band 7 gain", "FR+SR delay",
// "Main volume". Names of commands (load, recall) are given by the commands themselves.
#pragma once

#include "core/UiText.h"
#include "model/TuningState.h"

namespace corva {

UiText NameOfChange(const TuningState& before, const TuningState& after);

}  // namespace corva
