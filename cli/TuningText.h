// The live tuning of a snapshot as text for a person: name, protection, listening position
// and, per output channel, the strip, crossovers, limiter, routing and the bands that shape
// the sound, with the labels the pages show (protected tuning too: it is read-only, not hidden).
#pragma once

#include <string>

#include "core/UiText.h"
#include "model/TuningSnapshot.h"

namespace corva::cli {

std::string TuningText(const TuningSnapshot& tuning, UiLanguage language);

}  // namespace corva::cli
