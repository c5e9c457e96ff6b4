#include "model/TuningStepName.h"

#include <optional>
#include <string>
#include <vector>

namespace corva {
namespace {

UiText Frequency() {
    return Tr("Edits", "frequency");
}
UiText Gain() {
    return Tr("Edits", "gain");
}
UiText Quality() {
    return Tr("Edits", "Q");
}
UiText Bypass() {
    return Tr("Edits", "bypass");
}
UiText Type() {
    return Tr("Edits", "type");
}
UiText Slope() {
    return Tr("Edits", "slope");
}

// "FL gain", "band 7 Q": who or what, then what changed.
UiText Joined(UiText who, UiText what) {
    return Tr("Edits", "%1 %2").Arg(std::move(who)).Arg(std::move(what));
}

// What changed in one filter, or nothing when several of its values changed.
std::optional<UiText> FilterPart(const ChannelFilter::Values& a, const ChannelFilter::Values& b,
                                 bool crossover) {
    std::vector<UiText> parts;
    if (a.targetHz != b.targetHz) {
        parts.push_back(Frequency());
    }
    if (a.gainDb != b.gainDb) {
        parts.push_back(Gain());
    }
    if (a.bandwidthOctaves != b.bandwidthOctaves) {
        parts.push_back(Quality());
    }
    if (a.kind != b.kind || a.type != b.type) {
        parts.push_back(Type());
    }
    if (a.slope != b.slope) {
        parts.push_back(Slope());
    }
    if (parts.empty() && !crossover &&
        (a.bandBypass != b.bandBypass || a.allBypass != b.allBypass)) {
        parts.push_back(Bypass());
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
                       a.delayCode != b.delayCode || a.eqMode != b.eqMode || a.levelA != b.levelA ||
                       a.levelB != b.levelB;
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
            filter = Tr("Edits", "band %1").Arg(number);
        } else if (j == bandCount) {
            filter = Tr("Edits", "high-pass");
        } else {
            filter = Tr("Edits", "low-pass");
        }
        return part ? Joined(std::move(filter), std::move(*part)) : filter;
    }
    if (!filters.empty() && !strip && !other) {
        return Tr("Edits", "EQ");
    }
    if (filters.empty() && strip && !other) {
        int changes = 0;
        UiText what = Tr("Edits", "strip");
        const auto note = [&](bool changed, UiText text) {
            if (changed) {
                ++changes;
                what = std::move(text);
            }
        };
        note(a.gainCode != b.gainCode, Gain());
        note(a.on != b.on, Tr("Edits", "mute"));
        note(a.polarity != b.polarity, Tr("Edits", "polarity"));
        note(a.delayCode != b.delayCode, Tr("Edits", "delay"));
        // A gain change also switches a muted channel on: still a gain edit.
        if (changes == 2 && a.gainCode != b.gainCode && a.on != b.on) {
            return Gain();
        }
        return changes == 1 ? what : Tr("Edits", "strip");
    }
    if (filters.empty() && !strip && a.name != b.name) {
        return Tr("Edits", "name");
    }
    return Tr("Edits", "settings");
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
        return Tr("Edits", "Link");
    }
    if (channels.empty()) {
        if (before.listeningPositions != after.listeningPositions) {
            return Tr("Edits", "Listening position");
        }
        if (before.mainVolume != after.mainVolume) {
            return Tr("Edits", "Main volume");
        }
        return Tr("Edits", "Preset name");
    }
    if (channels.size() > 2) {
        return Tr("Edits", "Outputs");
    }
    std::string who;
    for (const int c : channels) {
        who += (who.empty() ? "" : "+") + std::string(DefaultsOfOutput(c).name);
    }
    const auto first = static_cast<std::size_t>(channels.front());
    return Joined(UiText::Literal(who), ChannelChange(before.outputs[first], after.outputs[first]));
}

}  // namespace corva
