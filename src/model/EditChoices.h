// The choices an edit offers (on/off, polarity, EQ mode, shelf and crossover slopes, band and
// crossover kinds) as enums, and their codes in frames and files. Each enum's values are its
// codes, so a choice converts to its code and back here and nowhere else.
#pragma once

#include <algorithm>

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

// The highest code of each choice; codes outside 0..highest are limited to that range.
template <class Choice>
inline constexpr Choice kHighestChoice = Choice{};
template <>
inline constexpr OnOff kHighestChoice<OnOff> = OnOff::On;
template <>
inline constexpr Polarity kHighestChoice<Polarity> = Polarity::Inverted;
template <>
inline constexpr EqMode kHighestChoice<EqMode> = EqMode::Graphic;
template <>
inline constexpr ShelfSlope kHighestChoice<ShelfSlope> = ShelfSlope::Db12PerOctave;
template <>
inline constexpr CrossoverSlope kHighestChoice<CrossoverSlope> = CrossoverSlope::Off;
template <>
inline constexpr CrossoverKind kHighestChoice<CrossoverKind> = CrossoverKind::Bessel;
// Only the band types: a band is never a high- or low-pass.
template <>
inline constexpr FilterType kHighestChoice<FilterType> = static_cast<FilterType>(kHighestBandType);

template <class Choice>
constexpr int CodeOf(Choice choice) {
    return static_cast<int>(choice);
}

template <class Choice>
constexpr Choice ChoiceOfCode(int code) {
    return static_cast<Choice>(std::clamp(code, 0, CodeOf(kHighestChoice<Choice>)));
}

constexpr OnOff OnOffOf(bool on) {
    return on ? OnOff::On : OnOff::Off;
}

constexpr Polarity PolarityOf(bool inverted) {
    return inverted ? Polarity::Inverted : Polarity::Normal;
}

}  // namespace corva
