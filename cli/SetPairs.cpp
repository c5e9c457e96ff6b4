#include "SetPairs.h"

#include <algorithm>
#include <cmath>

#include <QtGlobal>

#include "CommandSupport.h"
#include "dsp/values/BandCodes.h"
#include "dsp/values/DelayCodes.h"
#include "dsp/values/EntryLimits.h"
#include "dsp/values/ValueLabels.h"
#include "model/OutputChannel.h"
#include "protocol/ImageLayout.h"
#include "text/CodePage.h"

namespace corva::cli {
namespace {

constexpr int kSlopeStepDb = 6;  // slope index i is (i + 1) * 6 dB/oct

UiText BadValue(const std::string& key, const char* expected) {
    return Tr("CommandLine", "%1 takes %2").Arg(key).Arg(UiText::Entry("CommandLine", expected));
}

// "2.5", "2.5ms", "120cm", "40in": the delay page's entry conversion in its unit.
std::optional<int> ParseDelay(std::string_view text) {
    DelayUnit unit = DelayUnit::Milliseconds;
    std::string_view number = text;
    if (const auto cm = WithoutSuffix(text, "cm")) {
        unit = DelayUnit::Centimetres;
        number = *cm;
    } else if (const auto in = WithoutSuffix(text, "in")) {
        unit = DelayUnit::Inches;
        number = *in;
    } else if (const auto ms = WithoutSuffix(text, "ms")) {
        number = *ms;
    }
    if (!ParseNumber(number)) {
        return std::nullopt;
    }
    return DelayCodeFromText(number, unit);
}

std::optional<int> ParseCrossoverKind(std::string_view text) {
    if (EqualsIgnoringCase(text, "lr")) {
        return static_cast<int>(CrossoverKind::LinkwitzRiley);
    }
    if (EqualsIgnoringCase(text, "bw")) {
        return static_cast<int>(CrossoverKind::Butterworth);
    }
    if (EqualsIgnoringCase(text, "bessel")) {
        return static_cast<int>(CrossoverKind::Bessel);
    }
    return std::nullopt;
}

std::optional<int> ParseCrossoverSlope(std::string_view text) {
    if (EqualsIgnoringCase(text, "off")) {
        return kCrossoverSlopeOff;
    }
    const auto db = ParseInteger(text);
    if (!db || *db < kSlopeStepDb || *db > kSlopeStepDb * kCrossoverSlopeOff ||
        *db % kSlopeStepDb != 0) {
        return std::nullopt;
    }
    return *db / kSlopeStepDb - 1;
}

// "32", "x32": the release as a factor of the attack.
std::optional<int> ParseRelease(std::string_view text) {
    if (!text.empty() && (text.front() == 'x' || text.front() == 'X')) {
        text.remove_prefix(1);
    }
    const auto factor = ParseInteger(text);
    return factor ? LimiterReleaseCodeForFactor(*factor) : std::nullopt;
}

// "route.3" -> input 3.
std::optional<int> ParseRouteInput(std::string_view field) {
    const auto input = ParseInteger(field);
    if (!input || *input < 1 || *input > kRoutingInputs || field.front() == '+') {
        return std::nullopt;
    }
    return input;
}

// "eq12" -> band 11.
std::optional<int> ParseBand(std::string_view text) {
    if (text.size() < 3 || !EqualsIgnoringCase(text.substr(0, 2), "eq")) {
        return std::nullopt;
    }
    const auto number = ParseInteger(text.substr(2));
    if (!number || *number < 1 || *number > output_block::kBandSlots ||
        text.substr(2).front() == '+') {
        return std::nullopt;
    }
    return *number - 1;
}

// Value readers: each puts what it read into the edit (a number as typed, or a code), and
// returns false for a value it cannot read.
using ValueReader = bool (*)(std::string_view value, SetEdit& edit);

bool TakeNumber(std::optional<double> number, SetEdit& edit) {
    edit.number = number.value_or(0.0);
    return number.has_value();
}

bool TakeCode(std::optional<int> code, SetEdit& edit) {
    edit.value = code.value_or(0);
    return code.has_value();
}

std::optional<int> ParseWord(std::string_view text, std::string_view zero, std::string_view one) {
    if (EqualsIgnoringCase(text, zero)) {
        return 0;
    }
    return EqualsIgnoringCase(text, one) ? std::optional<int>(1) : std::nullopt;
}

// A number with an optional unit written after it.
std::optional<double> ParseNumberIn(std::string_view text, std::string_view unit) {
    if (const auto bare = WithoutSuffix(text, unit)) {
        text = *bare;
    }
    return ParseNumber(text);
}

bool ReadDb(std::string_view value, SetEdit& edit) {
    return TakeNumber(ParseNumberIn(value, "db"), edit);
}
bool ReadDbu(std::string_view value, SetEdit& edit) {
    return TakeNumber(ParseNumberIn(value, "dbu"), edit);
}
bool ReadMs(std::string_view value, SetEdit& edit) {
    return TakeNumber(ParseNumberIn(value, "ms"), edit);
}
bool ReadHz(std::string_view value, SetEdit& edit) {
    return TakeNumber(ParseNumberIn(value, "hz"), edit);
}
bool ReadQ(std::string_view value, SetEdit& edit) {
    const auto q = ParseNumber(value);
    return TakeNumber(q && *q > 0.0 ? q : std::nullopt, edit);
}
bool ReadPercent(std::string_view value, SetEdit& edit) {
    if (!value.empty() && value.back() == '%') {
        value.remove_suffix(1);
    }
    return TakeNumber(ParseNumber(value), edit);
}
bool ReadDelay(std::string_view value, SetEdit& edit) {
    return TakeCode(ParseDelay(value), edit);
}
bool ReadOnOff(std::string_view value, SetEdit& edit) {
    const auto on = ParseOnOff(value);
    return TakeCode(on ? std::optional<int>(*on ? 1 : 0) : std::nullopt, edit);
}
bool ReadPolarity(std::string_view value, SetEdit& edit) {
    return TakeCode(ParseWord(value, "normal", "inverted"), edit);
}
bool ReadEqMode(std::string_view value, SetEdit& edit) {
    return TakeCode(ParseWord(value, "peq", "geq"), edit);
}
bool ReadRelease(std::string_view value, SetEdit& edit) {
    return TakeCode(ParseRelease(value), edit);
}
bool ReadCrossoverKind(std::string_view value, SetEdit& edit) {
    return TakeCode(ParseCrossoverKind(value), edit);
}
bool ReadCrossoverSlope(std::string_view value, SetEdit& edit) {
    return TakeCode(ParseCrossoverSlope(value), edit);
}

// The keys `set` takes: a plain key ("gain"), or a family's field ("limiter.attack",
// "hpf.freq" and "lpf.freq", "eq12.q"; a routing share is "route.N" for input N).
enum class KeyFamily { Plain, Limiter, Route, Crossover, Band };

struct KeyRule {
    KeyFamily family;
    std::string_view name;  // the plain key, or the field after the family's dot
    SetKey key;
    ValueReader read;
    const char* expected;  // a catalogue entry of the command line
};

constexpr KeyRule kKeyRules[] = {
    {KeyFamily::Plain, "gain", SetKey::Gain, &ReadDb,
     QT_TRANSLATE_NOOP("CommandLine", "a level in dB (-60..0)")},
    {KeyFamily::Plain, "delay", SetKey::Delay, &ReadDelay,
     QT_TRANSLATE_NOOP("CommandLine", "milliseconds, or a distance such as 120cm or 40in")},
    {KeyFamily::Plain, "mute", SetKey::Mute, &ReadOnOff,
     QT_TRANSLATE_NOOP("CommandLine", "on or off")},
    {KeyFamily::Plain, "polarity", SetKey::Polarity, &ReadPolarity,
     QT_TRANSLATE_NOOP("CommandLine", "normal or inverted")},
    {KeyFamily::Plain, "eq_mode", SetKey::EqMode, &ReadEqMode,
     QT_TRANSLATE_NOOP("CommandLine", "peq or geq")},
    {KeyFamily::Limiter, "threshold", SetKey::LimiterThreshold, &ReadDbu,
     QT_TRANSLATE_NOOP("CommandLine", "a level in dBu (-30..6)")},
    {KeyFamily::Limiter, "attack", SetKey::LimiterAttack, &ReadMs,
     QT_TRANSLATE_NOOP("CommandLine", "a time in ms (0.3..100)")},
    {KeyFamily::Limiter, "release", SetKey::LimiterRelease, &ReadRelease,
     QT_TRANSLATE_NOOP("CommandLine", "2, 4, 6, 8, 16 or 32 (times the attack)")},
    {KeyFamily::Route, "", SetKey::RoutingShare, &ReadPercent,
     QT_TRANSLATE_NOOP("CommandLine", "a share in percent (0..100)")},
    {KeyFamily::Crossover, "freq", SetKey::CrossoverFrequency, &ReadHz,
     QT_TRANSLATE_NOOP("CommandLine", "a frequency in Hz (20..20000)")},
    {KeyFamily::Crossover, "kind", SetKey::CrossoverKind, &ReadCrossoverKind,
     QT_TRANSLATE_NOOP("CommandLine", "lr, bw or bessel")},
    {KeyFamily::Crossover, "slope", SetKey::CrossoverSlope, &ReadCrossoverSlope,
     QT_TRANSLATE_NOOP("CommandLine", "6, 12, 18, 24, 30, 36, 42, 48 or off")},
    {KeyFamily::Band, "freq", SetKey::BandFrequency, &ReadHz,
     QT_TRANSLATE_NOOP("CommandLine", "a frequency in Hz (20..20000)")},
    {KeyFamily::Band, "gain", SetKey::BandGain, &ReadDb,
     QT_TRANSLATE_NOOP("CommandLine", "a gain in dB (-20..20)")},
    {KeyFamily::Band, "q", SetKey::BandQ, &ReadQ,
     QT_TRANSLATE_NOOP("CommandLine", "a Q above 0 (0.404..28.852)")},
    {KeyFamily::Band, "bypass", SetKey::BandBypass, &ReadOnOff,
     QT_TRANSLATE_NOOP("CommandLine", "on or off")},
};

// The name: in the record's code page, within the channel object's own length rule.
std::optional<UiText> ParseName(int channel, const std::string& value, SetEdit& edit) {
    const auto recordText = EncodeRecordText(value);
    if (!recordText) {
        return Tr("CommandLine", "name has characters the processor cannot store");
    }
    const bool notSynchronised = false;
    OutputChannel scratch(notSynchronised, channel);
    if (const Status fits = scratch.SetName(*recordText); !fits.ok()) {
        return fits.message();
    }
    edit.key = SetKey::Name;
    edit.recordText = *recordText;
    return std::nullopt;
}

// One pair; an error text when it is not a key this command takes with a value it can read.
std::optional<UiText> ParsePair(int channel, const std::string& key, const std::string& value,
                                SetEdit& edit) {
    edit.keyText = key;
    if (EqualsIgnoringCase(key, "name")) {
        return ParseName(channel, value, edit);
    }
    const auto dot = key.find('.');
    const std::string_view group = std::string_view(key).substr(0, dot);
    std::string_view name = key;
    KeyFamily family = KeyFamily::Plain;
    if (dot != std::string::npos) {
        name = std::string_view(key).substr(dot + 1);
        if (EqualsIgnoringCase(group, "limiter")) {
            family = KeyFamily::Limiter;
        } else if (EqualsIgnoringCase(group, "route") && !name.empty()) {
            const auto input = ParseRouteInput(name);
            if (!input) {
                return Tr("CommandLine", "route takes an input 1..4: route.1 .. route.4");
            }
            family = KeyFamily::Route;
            edit.band = *input;
            name = {};
        } else if (EqualsIgnoringCase(group, "hpf") || EqualsIgnoringCase(group, "lpf")) {
            family = KeyFamily::Crossover;
            edit.filter = EqualsIgnoringCase(group, "hpf") ? CrossoverFilter::HighPass
                                                           : CrossoverFilter::LowPass;
        } else if (const auto band = ParseBand(group)) {
            family = KeyFamily::Band;
            edit.band = *band;
        } else {
            return Tr("CommandLine", "unknown key %1").Arg(key);
        }
    }
    for (const KeyRule& rule : kKeyRules) {
        if (rule.family == family && EqualsIgnoringCase(name, rule.name)) {
            edit.key = rule.key;
            if (!rule.read(value, edit)) {
                return BadValue(key, rule.expected);
            }
            return std::nullopt;
        }
    }
    return Tr("CommandLine", "unknown key %1").Arg(key);
}

}  // namespace

SetParse ParseSetPairs(int channel, const std::vector<std::string>& pairs) {
    SetParse parse;
    const auto fail = [&](UiText error, const std::string& pair) {
        parse.ok = false;
        parse.error = std::move(error);
        parse.detail = pair;
        parse.edits.clear();
        return parse;
    };
    if (pairs.empty()) {
        return fail(Tr("CommandLine", "set needs at least one KEY=VALUE"), {});
    }
    for (const auto& pair : pairs) {
        const auto equals = pair.find('=');
        if (equals == std::string::npos || equals == 0) {
            return fail(Tr("CommandLine", "expected KEY=VALUE"), pair);
        }
        SetEdit edit;
        if (auto error =
                ParsePair(channel, pair.substr(0, equals), pair.substr(equals + 1), edit)) {
            return fail(std::move(*error), pair);
        }
        parse.edits.push_back(std::move(edit));
    }
    return parse;
}

}  // namespace corva::cli
