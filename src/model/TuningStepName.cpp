#include "model/TuningStepName.h"

#include <optional>
#include <string>
#include <vector>

namespace corva {
namespace {

struct Part {
    const char* english;
    const char* chinese;
};

constexpr Part kFrequency{"frequency", "频率"};
constexpr Part kGain{"gain", "增益"};
constexpr Part kQ{"Q", "Q值"};
constexpr Part kBypass{"bypass", "直通"};
constexpr Part kType{"type", "类型"};
constexpr Part kSlope{"slope", "斜率"};

UiText Joined(const std::string& who, const UiText& what) {
    return {who + " " + what.english, who + " " + what.chinese};
}

UiText Of(Part part) { return {part.english, part.chinese}; }

// What changed in one filter, or nothing when several of its values changed.
std::optional<Part> FilterPart(const ChannelFilter::Values& a, const ChannelFilter::Values& b,
                               bool crossover) {
    std::vector<Part> parts;
    if (a.targetHz != b.targetHz) {
        parts.push_back(kFrequency);
    }
    if (a.gainDb != b.gainDb) {
        parts.push_back(kGain);
    }
    if (a.bandwidthOctaves != b.bandwidthOctaves) {
        parts.push_back(kQ);
    }
    if (a.kind != b.kind || a.type != b.type) {
        parts.push_back(kType);
    }
    if (a.slope != b.slope) {
        parts.push_back(kSlope);
    }
    if (parts.empty() && !crossover &&
        (a.bandBypass != b.bandBypass || a.allBypass != b.allBypass)) {
        parts.push_back(kBypass);
    }
    // A gain moved off or onto 0 dB also switches the band's bypass: still a gain edit.
    if (parts.size() == 1) {
        return parts.front();
    }
    return std::nullopt;
}

// What changed in one channel, said without the channel.
UiText ChannelChange(const OutputChannel::Values& a, const OutputChannel::Values& b) {
    const std::size_t bandCount = a.filters.size() >= 2 ? a.filters.size() - 2 : 0;
    std::vector<std::size_t> filters;
    for (std::size_t j = 0; j < a.filters.size() && j < b.filters.size(); ++j) {
        if (!(a.filters[j] == b.filters[j])) {
            filters.push_back(j);
        }
    }
    const bool strip = a.on != b.on || a.polarity != b.polarity || a.gainCode != b.gainCode ||
                       a.delayCode != b.delayCode || a.eqMode != b.eqMode ||
                       a.levelA != b.levelA || a.levelB != b.levelB;
    const bool other = a.name != b.name || !(a.routing == b.routing) ||
                       a.limiterThreshold != b.limiterThreshold ||
                       a.limiterAttack != b.limiterAttack || a.limiterRelease != b.limiterRelease;
    if (filters.size() == 1 && !strip && !other) {
        const std::size_t j = filters.front();
        const bool crossover = j >= bandCount;
        const auto part = FilterPart(a.filters[j], b.filters[j], crossover);
        UiText filter;
        if (!crossover) {
            const std::string number = std::to_string(j + 1);
            filter = {"band " + number, "频段" + number};
        } else if (j == bandCount) {
            filter = {"high-pass", "高通"};
        } else {
            filter = {"low-pass", "低通"};
        }
        return part ? UiText{filter.english + " " + part->english,
                             filter.chinese + " " + part->chinese}
                    : filter;
    }
    if (!filters.empty() && !strip && !other) {
        return {"EQ", "均衡"};
    }
    if (filters.empty() && strip && !other) {
        int changes = 0;
        UiText what{"strip", "通道"};
        const auto note = [&](bool changed, UiText text) {
            if (changed) {
                ++changes;
                what = std::move(text);
            }
        };
        note(a.gainCode != b.gainCode, Of(kGain));
        note(a.on != b.on, {"mute", "静音"});
        note(a.polarity != b.polarity, {"polarity", "相位"});
        note(a.delayCode != b.delayCode, {"delay", "延时"});
        // A gain change also switches a muted channel on: still a gain edit.
        if (changes == 2 && a.gainCode != b.gainCode && a.on != b.on) {
            return Of(kGain);
        }
        return changes == 1 ? what : UiText{"strip", "通道"};
    }
    if (filters.empty() && !strip && a.name != b.name) {
        return {"name", "名称"};
    }
    return {"settings", "设置"};
}

}  // namespace

UiText NameOfChange(const TuningState& before, const TuningState& after) {
    std::vector<int> channels;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (!(before.outputs[i] == after.outputs[i])) {
            channels.push_back(c);
        }
    }
    const bool links = before.linkGroups != after.linkGroups;
    if (links) {
        return {"Link", "链接"};
    }
    if (channels.empty()) {
        if (before.listeningPositions != after.listeningPositions) {
            return {"Listening position", "听音位置"};
        }
        if (before.mainVolume != after.mainVolume) {
            return {"Main volume", "主音量"};
        }
        return {"Preset name", "预置名称"};
    }
    if (channels.size() > 2) {
        return {"Outputs", "输出通道"};
    }
    std::string who;
    for (const int c : channels) {
        who += (who.empty() ? "" : "+") + std::string(DefaultsOfOutput(c).name);
    }
    const auto first = static_cast<std::size_t>(channels.front());
    return Joined(who, ChannelChange(before.outputs[first], after.outputs[first]));
}

}  // namespace corva
