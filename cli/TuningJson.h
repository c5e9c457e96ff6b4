// The live tuning of a snapshot as JSON fields, shared by `info` and `show`: the live
// preset name, protection, the listening-position table and the six output channels with the
// raw codes their record holds.
#pragma once

#include <string>
#include <vector>

#include "JsonText.h"
#include "model/TuningSnapshot.h"

namespace corva::cli {

// Adds "name", "protected", "positions" and "channels"; protected tuning shows its values as
// the window does (read-only), only the password stays out.
void AddTuningFields(JsonText& json, const TuningSnapshot& tuning);

// An output channel's name from its record. Channel 1's name slot also carries the protection
// marker and the password, so protected tuning reports no name for it.
std::string ChannelNameOfRecord(const TuningSnapshot& tuning, int channel);

// The stored presets' names, decoded.
std::vector<std::string> PresetNames(const TuningSnapshot& tuning);

}  // namespace corva::cli
