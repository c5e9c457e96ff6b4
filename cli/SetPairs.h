// The KEY=VALUE pairs of `set`, read and checked completely before anything is changed: the
// value in the unit the command line takes, turned into the code the edit rules take.
#pragma once

#include <string>
#include <vector>

#include "core/UiText.h"
#include "model/ChannelEditor.h"

namespace corva::cli {

enum class SetKey {
    Gain,
    Delay,
    Mute,
    Polarity,
    Name,
    CrossoverFrequency,
    CrossoverKind,
    CrossoverSlope,
    BandFrequency,
    BandGain,
    BandQ,
    BandBypass,
    EqMode,
    LimiterThreshold,
    LimiterAttack,
    LimiterRelease,
    RoutingShare,
};

struct SetEdit {
    SetKey key = SetKey::Gain;
    std::string keyText;  // as the command line names it: "hpf.freq", "eq3.q"
    CrossoverFilter filter = CrossoverFilter::HighPass;
    int band = 0;            // 0..30; the input 1..4 of a routing share
    int value = 0;           // a delay code, a kind, a slope index, a release code, or 0/1
    double number = 0.0;     // dB, dBu, Hz, ms, percent or Q, as typed; the edit API limits it
    std::string recordText;  // a name in the record's code page
};

struct SetParse {
    std::vector<SetEdit> edits;
    bool ok = true;
    UiText error;        // the first bad pair, when not ok
    std::string detail;  // that pair as typed
};

SetParse ParseSetPairs(int channel, const std::vector<std::string>& pairs);

}  // namespace corva::cli
