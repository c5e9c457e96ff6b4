// The limits of every value an output block carries (bands, strip, crossovers, routing,
// limiter), for bytes that come from a file or from the processor: counting the values
// outside them tells a plain block from a scrambled one, and limiting them keeps impossible
// values from being shown or sent.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/UiText.h"
#include "protocol/ParameterImage.h"

namespace corva {

// How many values of the 296-byte output block lie outside their limits (the name slot and
// the carried slot are not values).
int ValuesOutsideLimits(std::span<const std::uint8_t> block);

// Moves every value outside its limits to the nearest limit; returns how many it moved.
int LimitOutputBlock(std::span<std::uint8_t> block);

// The same for the output blocks of the stored presets 1..15 (a complete file's records).
int LimitStoredPresetOutputs(ParameterImage& image);

// What a load says when it limited values: "N values were outside their limits and were
// limited." Nothing for none.
std::optional<UiText> LimitedValuesNote(int count);

}  // namespace corva
