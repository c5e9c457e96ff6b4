#include "SetPairs.h"

#include <algorithm>
#include <cmath>

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

UiText BadValue(const std::string& key, const char* expected, const char* expectedChinese) {
    return {key + " takes " + expected, key + " 取值为 " + expectedChinese};
}

std::optional<double> ParseFrequency(std::string_view text) {
    if (const auto bare = WithoutSuffix(text, "hz")) {
        text = *bare;
    }
    return ParseNumber(text);
}

std::optional<double> ParseDb(std::string_view text) {
    if (const auto bare = WithoutSuffix(text, "db")) {
        text = *bare;
    }
    return ParseNumber(text);
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

// One pair; an error text when it is not a key this command takes with a value it can read.
std::optional<UiText> ParsePair(int channel, const std::string& key, const std::string& value,
                                SetEdit& edit) {
    edit.keyText = key;
    const auto dot = key.find('.');
    const std::string group = key.substr(0, dot);
    const std::string field = dot == std::string::npos ? std::string{} : key.substr(dot + 1);

    if (dot == std::string::npos) {
        if (EqualsIgnoringCase(key, "gain")) {
            const auto db = ParseDb(value);
            if (!db) {
                return BadValue(key, "a level in dB (-60..0)", "dB 电平 (-60..0)");
            }
            edit.key = SetKey::Gain;
            edit.number = *db;
            return std::nullopt;
        }
        if (EqualsIgnoringCase(key, "delay")) {
            const auto code = ParseDelay(value);
            if (!code) {
                return BadValue(key, "milliseconds, or a distance such as 120cm or 40in",
                                "毫秒，或距离如 120cm、40in");
            }
            edit.key = SetKey::Delay;
            edit.value = *code;
            return std::nullopt;
        }
        if (EqualsIgnoringCase(key, "mute")) {
            const auto on = ParseOnOff(value);
            if (!on) {
                return BadValue(key, "on or off", "on 或 off");
            }
            edit.key = SetKey::Mute;
            edit.value = *on ? 1 : 0;
            return std::nullopt;
        }
        if (EqualsIgnoringCase(key, "polarity")) {
            if (EqualsIgnoringCase(value, "normal") || EqualsIgnoringCase(value, "inverted")) {
                edit.key = SetKey::Polarity;
                edit.value = EqualsIgnoringCase(value, "inverted") ? 1 : 0;
                return std::nullopt;
            }
            return BadValue(key, "normal or inverted", "normal 或 inverted");
        }
        if (EqualsIgnoringCase(key, "eq_mode")) {
            if (EqualsIgnoringCase(value, "peq") || EqualsIgnoringCase(value, "geq")) {
                edit.key = SetKey::EqMode;
                edit.value = EqualsIgnoringCase(value, "geq") ? 1 : 0;
                return std::nullopt;
            }
            return BadValue(key, "peq or geq", "peq 或 geq");
        }
        if (EqualsIgnoringCase(key, "name")) {
            const auto recordText = EncodeRecordText(value);
            if (!recordText) {
                return UiText{"name has characters the processor cannot store",
                              "name 含有处理器无法保存的字符"};
            }
            // The channel object's own length rule, tried on a scratch channel.
            const bool notSynchronised = false;
            OutputChannel scratch(notSynchronised, channel);
            if (const Status fits = scratch.SetName(*recordText); !fits.ok()) {
                return fits.message();
            }
            edit.key = SetKey::Name;
            edit.recordText = *recordText;
            return std::nullopt;
        }
    } else if (EqualsIgnoringCase(group, "limiter")) {
        if (EqualsIgnoringCase(field, "threshold")) {
            std::string_view number = value;
            if (const auto bare = WithoutSuffix(value, "dbu")) {
                number = *bare;
            }
            const auto dbu = ParseNumber(number);
            if (!dbu) {
                return BadValue(key, "a level in dBu (-30..6)", "dBu 电平 (-30..6)");
            }
            edit.key = SetKey::LimiterThreshold;
            edit.number = *dbu;
            return std::nullopt;
        }
        if (EqualsIgnoringCase(field, "attack")) {
            std::string_view number = value;
            if (const auto bare = WithoutSuffix(value, "ms")) {
                number = *bare;
            }
            const auto ms = ParseNumber(number);
            if (!ms) {
                return BadValue(key, "a time in ms (0.3..100)", "毫秒 (0.3..100)");
            }
            edit.key = SetKey::LimiterAttack;
            edit.number = *ms;
            return std::nullopt;
        }
        if (EqualsIgnoringCase(field, "release")) {
            const auto code = ParseRelease(value);
            if (!code) {
                return BadValue(key, "2, 4, 6, 8, 16 or 32 (times the attack)",
                                "2、4、6、8、16 或 32（响应时间的倍数）");
            }
            edit.key = SetKey::LimiterRelease;
            edit.value = *code;
            return std::nullopt;
        }
    } else if (EqualsIgnoringCase(group, "route") && !field.empty()) {
        const auto input = ParseRouteInput(field);
        if (!input) {
            return UiText{"route takes an input 1..4: route.1 .. route.4",
                          "route 的输入为 1..4：route.1 .. route.4"};
        }
        std::string_view number = value;
        if (!number.empty() && number.back() == '%') {
            number.remove_suffix(1);
        }
        const auto percent = ParseNumber(number);
        if (!percent) {
            return BadValue(key, "a share in percent (0..100)", "百分比 (0..100)");
        }
        edit.key = SetKey::RoutingShare;
        edit.band = *input;
        edit.number = *percent;
        return std::nullopt;
    } else if (EqualsIgnoringCase(group, "hpf") || EqualsIgnoringCase(group, "lpf")) {
        edit.filter =
            EqualsIgnoringCase(group, "hpf") ? CrossoverFilter::HighPass : CrossoverFilter::LowPass;
        if (EqualsIgnoringCase(field, "freq")) {
            const auto hz = ParseFrequency(value);
            if (!hz) {
                return BadValue(key, "a frequency in Hz (20..20000)", "频率 Hz (20..20000)");
            }
            edit.key = SetKey::CrossoverFrequency;
            edit.number = *hz;
            return std::nullopt;
        }
        if (EqualsIgnoringCase(field, "kind")) {
            const auto kind = ParseCrossoverKind(value);
            if (!kind) {
                return BadValue(key, "lr, bw or bessel", "lr、bw 或 bessel");
            }
            edit.key = SetKey::CrossoverKind;
            edit.value = *kind;
            return std::nullopt;
        }
        if (EqualsIgnoringCase(field, "slope")) {
            const auto slope = ParseCrossoverSlope(value);
            if (!slope) {
                return BadValue(key, "6, 12, 18, 24, 30, 36, 42, 48 or off",
                                "6、12、18、24、30、36、42、48 或 off");
            }
            edit.key = SetKey::CrossoverSlope;
            edit.value = *slope;
            return std::nullopt;
        }
    } else if (const auto band = ParseBand(group)) {
        edit.band = *band;
        if (EqualsIgnoringCase(field, "freq")) {
            const auto hz = ParseFrequency(value);
            if (!hz) {
                return BadValue(key, "a frequency in Hz (20..20000)", "频率 Hz (20..20000)");
            }
            edit.key = SetKey::BandFrequency;
            edit.number = *hz;
            return std::nullopt;
        }
        if (EqualsIgnoringCase(field, "gain")) {
            const auto db = ParseDb(value);
            if (!db) {
                return BadValue(key, "a gain in dB (-20..20)", "dB 增益 (-20..20)");
            }
            edit.key = SetKey::BandGain;
            edit.number = *db;
            return std::nullopt;
        }
        if (EqualsIgnoringCase(field, "q")) {
            const auto q = ParseNumber(value);
            if (!q || *q <= 0.0) {
                return BadValue(key, "a Q above 0 (0.404..28.852)",
                                "大于 0 的 Q 值 (0.404..28.852)");
            }
            edit.key = SetKey::BandQ;
            edit.number = *q;
            return std::nullopt;
        }
        if (EqualsIgnoringCase(field, "bypass")) {
            const auto on = ParseOnOff(value);
            if (!on) {
                return BadValue(key, "on or off", "on 或 off");
            }
            edit.key = SetKey::BandBypass;
            edit.value = *on ? 1 : 0;
            return std::nullopt;
        }
    }
    return UiText{"unknown key " + key, "未知参数 " + key};
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
        return fail({"set needs at least one KEY=VALUE", "set 至少需要一个 KEY=VALUE"}, {});
    }
    for (const auto& pair : pairs) {
        const auto equals = pair.find('=');
        if (equals == std::string::npos || equals == 0) {
            return fail({"expected KEY=VALUE", "应为 KEY=VALUE"}, pair);
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
