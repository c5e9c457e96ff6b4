// The live tuning of a session as text for a person: name, protection, listening position
// and, per output channel, the strip, crossovers, limiter and the bands that shape the sound,
// with the labels the pages show.
#pragma once

#include <string>

#include "core/UiText.h"
#include "model/TuningSession.h"

namespace corva::cli {

// The caller holds no lock.
std::string TuningText(TuningSession& session, UiLanguage language);

}  // namespace corva::cli
