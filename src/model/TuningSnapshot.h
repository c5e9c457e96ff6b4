// Everything a page or a report shows of a session, copied under the lock and returned by
// value: the front end reads it at leisure while the worker goes on.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "dsp/response/FilterResponse.h"
#include "model/RoutingShares.h"
#include "protocol/ImageLayout.h"

namespace corva {

struct BandView {
    int type = 0;  // FilterType of the band: peaking, low shelf, high shelf
    int frequencyHz = 1000;
    int gainCode = 200;  // 0..400 = -20..+20 dB
    double gainDb = 0.0;
    int bandwidthIndex = 15;
    double q = 0.0;  // as the Q field shows it
    int slope = 0;   // shelf slope
    bool bypassed = true;

    bool operator==(const BandView&) const = default;
};

struct CrossoverView {
    int frequencyHz = 20;
    int kind = 0;   // CrossoverKind
    int slope = 0;  // slope index; kCrossoverSlopeOff = off
};

struct OutputView {
    std::string name;  // in the record's code page
    bool on = true;
    int polarity = 0;  // 0 normal, 1 inverted
    int gainCode = 600;
    double gainDb = 0.0;
    int delayCode = 0;
    bool geqMode = false;
    std::array<BandView, output_block::kBandSlots> bands{};
    bool allBypassed = false;
    CrossoverView highPass;
    CrossoverView lowPass;
    int limiterThresholdCode = 0;
    int limiterAttackCode = 0;
    int limiterReleaseCode = 0;
    RoutingShares routing;
    int linkGroup = 0;
    bool linked = false;  // another channel shares its link group
    Response response{};  // sum of the filters, channel gain not included
};

struct PositionsView {
    int current = 0;  // 0..3
    int lastModeFile = 0;
    std::array<std::array<int, kOutputChannelCount>, listening_table::kPositionCount> delayCodes{};
    std::array<std::uint8_t, kListeningTableSize> bytes{};
};

struct TuningSnapshot {
    bool connected = false;
    bool synchronised = false;
    bool isProtected = false;
    std::array<OutputView, kOutputChannelCount> outputs{};
    PositionsView positions;
    int mainVolumeCode = 0;  // 0 = OFF, else code - 60 dB
    bool masterOn = true;
    std::string liveName;                               // record code page
    std::array<std::string, kPresetCount> presetNames;  // stored presets 1..15
    std::string versionTag;
    // The live record as the image holds it, for reports that print its raw codes.
    PresetRecord liveRecord{};
};

}  // namespace corva
