// The choices an edit offers (on/off, polarity, EQ mode, shelf and crossover slopes, band and
// crossover kinds, a band's bypass, a channel's mute) as enums, and their codes in frames and
// files. Each coded enum's values are its codes, so a choice converts to its code and back here
// and nowhere else.
#pragma once

#include <algorithm>
#include <type_traits>

#include "dsp/response/FilterResponse.h"
#include "dsp/values/EntryLimits.h"

namespace corva {

enum class OnOff : int { Off = 0, On = 1 };
enum class Polarity : int { Normal = 0, Inverted = 1 };
enum class EqMode : int { Parametric = 0, Graphic = 1 };
enum class ShelfSlope : int { Db6PerOctave = 0, Db12PerOctave = 1 };
// 6 dB/oct per step; the last code makes the crossover flat.
enum class CrossoverSlope : int {
    Db6PerOctave = 0,
    Db12PerOctave,
    Db18PerOctave,
    Db24PerOctave,
    Db30PerOctave,
    Db36PerOctave,
    Db42PerOctave,
    Db48PerOctave,
    Off = kCrossoverSlopeOff,
};

// States with no code of their own: a bypassed band is sent as a flat gain, and a muted
// channel is a channel whose on/off code is off.
enum class BandBypass { Active, Bypassed };
enum class MuteState { Unmuted, Muted };

// The highest code of each choice; codes outside 0..highest are limited to that range.
template <class Choice>
constexpr Choice HighestChoice() {
    if constexpr (std::is_same_v<Choice, CrossoverSlope>) {
        return CrossoverSlope::Off;
    } else if constexpr (std::is_same_v<Choice, CrossoverKind>) {
        return CrossoverKind::Bessel;
    } else if constexpr (std::is_same_v<Choice, FilterType>) {
        return static_cast<FilterType>(kHighestBandType);  // a band is never a high- or low-pass
    } else {
        static_assert(std::is_same_v<Choice, OnOff> || std::is_same_v<Choice, Polarity> ||
                          std::is_same_v<Choice, EqMode> || std::is_same_v<Choice, ShelfSlope>,
                      "a choice of more than two values names its highest code here");
        return static_cast<Choice>(1);  // the two-way choices
    }
}

template <class Choice>
constexpr int CodeOf(Choice choice) {
    static_assert(!std::is_same_v<Choice, BandBypass> && !std::is_same_v<Choice, MuteState>,
                  "a band's bypass and a channel's mute have no code");
    return static_cast<int>(choice);
}

template <class Choice>
constexpr Choice ChoiceOfCode(int code) {
    return static_cast<Choice>(std::clamp(code, 0, CodeOf(HighestChoice<Choice>())));
}

constexpr OnOff OnOffOf(bool on) {
    return on ? OnOff::On : OnOff::Off;
}

constexpr Polarity PolarityOf(bool inverted) {
    return inverted ? Polarity::Inverted : Polarity::Normal;
}

// For check buttons, whose checked state is the bypass or the mute.
constexpr BandBypass BandBypassOf(bool bypassed) {
    return bypassed ? BandBypass::Bypassed : BandBypass::Active;
}

constexpr MuteState MuteStateOf(bool muted) {
    return muted ? MuteState::Muted : MuteState::Unmuted;
}

}  // namespace corva
