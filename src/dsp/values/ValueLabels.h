// Texts that the pages and the parameter table show for channel and filter values.
#pragma once

#include <string>
#include <string_view>

#include "core/UiText.h"

namespace corva {

// ---- Equaliser bands and crossovers ----
std::string FrequencyLabel(int frequencyHz);              // "%dHz"
std::string BandGainLabel(double gainDb, bool bypassed);  // "%0.1fdB"; "0.0dB" when bypassed
// The same numbers without their units, for narrow columns that name the unit once.
std::string FrequencyNumber(int frequencyHz);              // "%d"
std::string BandGainNumber(double gainDb, bool bypassed);  // "%0.1f"; "0.0" when bypassed
std::string BandwidthLabel(double octaves);                // "%0.2fOct"
// type 0: "PEQ"/"GEQ" (by EQ mode), 1 "Lo_Shf", 2 "Hi_Shf".
UiText BandTypeLabel(int type, bool geqMode);
std::string ShelfSlopeLabel(int slope);           // "6dB/Oct", "12dB/Oct"
UiText CrossoverKindLabel(int kind);              // "Link_Ril" ...
std::string CrossoverSlopeLabel(int slopeIndex);  // "6dB/Oct".."48dB/Oct", "OFF"
// Caption on the graph, e.g. "PEQ 1000Hz 6.864Q 0.0dB", "Lo 100Hz 12dB/Oct 3.0dB", "80Hz ".
std::string BandCaption(int type, bool geqMode, int frequencyHz, int bandwidthIndex, double gainDb,
                        bool bypassed, int slope);

// ---- Output channel strip ----
inline constexpr int kChannelGainCodeMax = 600;             // 0..600 = -60.0..0.0 dB
double ChannelGainDb(int gainCode);                         // code * 0.1 - 60
std::string ChannelGainLabel(int gainCode);                 // "%0.1fdB"; "-60.0dB" at code 0
int ShiftedChannelGainCode(int otherCode, int difference);  // linked gains, limited 0..600
UiText PolarityLabel(int polarity);                         // "Pol+"/"Pol-"
UiText OnLabel(int on);                                     // "On"/"OFF"
std::string LimiterThresholdLabel(int thresholdCode);       // "%0.1fdBu" of code * 0.1 - 30
std::string LimiterAttackLabel(int attackCode);             // 0..6 "%0.1fms", 7..106 "%dms"
std::string LimiterReleaseLabel(int releaseCode);           // "Atk * 2" .. "Atk * 32"
UiText LevelALabel(int value);                              // "%0.1fdB" of value - 80; "OFF" at 80
std::string LevelBLabel(int value);                         // "%0.1fdB" of value - 80

// ---- Main volume ----
UiText MainVolumeLabel(int volumeCode);  // "%0.0fdB" of code - 60; "OFF" at 0
// The main volume field's word for silence: "OFF" in any case, or the word the field shows for
// silence in the interface language (`MainVolumeLabel(0)` rendered).
bool IsMainVolumeOffText(std::string_view text, std::string_view shownOffWord);

// ---- Routing shares ----
std::string ShareLabel(int share, bool off);    // "0%" when off, else "%d%"
std::string BalanceLabel(int balance);          // "50%:50%"
std::string SwitchBitLabel(int bits, int bit);  // "On" / "OFF"

}  // namespace corva
