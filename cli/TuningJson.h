// The live tuning of a parameter image as JSON fields, shared by `info` and `show`: the live
// preset name, protection, the listening-position table and the six output channels with the
// raw codes their record holds.
#pragma once

#include "JsonText.h"
#include "protocol/ParameterImage.h"

namespace corva::cli {

// Adds "name", "protected", "positions" and "channels".
void AddTuningFields(JsonText& json, const ParameterImage& image, bool isProtected);

// An output channel's name from its record. Channel 1's name slot also carries the protection
// marker and the password, so protected tuning reports no name for it.
std::string ChannelNameOfRecord(const ParameterImage& image, int channel, bool isProtected);

}  // namespace corva::cli
