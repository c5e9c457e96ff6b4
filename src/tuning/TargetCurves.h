// The curves auto-EQ aims at: flat, the built-in house curve for cars, or a target file.
// Only their shape counts: the fit aligns every target to the measurement's own level.
#pragma once

#include "dsp/response/ResponseGrid.h"

namespace corva::tuning {

Response FlatTarget();

// A car's usual tonal balance: about 8 dB of bass below 50 Hz easing to 0 dB at 500 Hz, flat
// to 1 kHz, then falling gently to -6 dB at 20 kHz.
Response HouseTarget();

}  // namespace corva::tuning
