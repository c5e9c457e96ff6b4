// How the tuning commands print what they did: band and crossover settings as the processor
// holds them, for the text report and for --json.
#pragma once

#include <cjson/cJSON.h>

#include <string>

#include "core/UiText.h"
#include "model/EqualizerSettings.h"

namespace corva::cli {

// "PEQ 1000Hz Q 4.966 -3.0dB", "Lo_Shf 80Hz 12dB/Oct +5.0dB".
UiText BandSettingText(const BandSetting& band);
// "high-pass 40Hz Butter_W 12dB/Oct".
UiText CrossoverSettingText(bool highPass, const CrossoverSetting& crossover);

// JSON objects of the same values (codes and engineering units side by side).
cJSON* BandSettingJson(const BandSetting& band);
cJSON* CrossoverSettingJson(const CrossoverSetting& crossover);

// cJSON's compact text, and the object deleted.
std::string PrintAndDelete(cJSON* object);

// "%+.1f" without the locale: "+5.0", "-3.0".
std::string SignedDbText(double db);

}  // namespace corva::cli
