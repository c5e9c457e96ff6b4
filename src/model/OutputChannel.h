// One output channel: its equaliser and crossovers, strip values (on, polarity, gain, delay,
// limiter, name), routing shares, change marks, and how they sit in its 296-byte output block.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Status.h"
#include "dsp/values/DefaultBandFrequencies.h"
#include "model/ChannelEqualizer.h"
#include "model/RoutingShares.h"

namespace corva {

// Construction values that differ between the six channels.
struct OutputChannelDefaults {
    const char* name;
    int lowPassHz;
    int filterRole;
};
const OutputChannelDefaults& DefaultsOfOutput(int channel);

inline constexpr int kChannelGainCodeDefault = 600;  // 0 dB
inline constexpr std::size_t kChannelNameSize = 8;   // up to 7 characters and a 0

class OutputChannel {
public:
    OutputChannel(const bool& synchronised, int channel);

    // ---- Strip edits (each marks the strip slot while synchronised) ----
    void SetOn(int on);
    void SetPolarity(int polarity);
    void SetGain(int gainCode);
    void SetDelay(int delayCode);
    // Name in the record's code page; 8 bytes or more (7 for the first channel, whose name
    // slot starts with the protection marker) are refused and nothing changes.
    Status SetName(std::string_view recordText);
    void SetChannelIndex(int channel);
    // EQ mode 0 PEQ, 1 GEQ: the channel's byte in the strip slot and every band's copy.
    void SetEqMode(int eqMode);

    // ---- Limiter and routing edits (mark their slots while synchronised) ----
    void SetLimiterThreshold(int thresholdCode);
    void SetLimiterAttack(int attackCode);
    void SetLimiterRelease(int releaseCode);
    // Share of input 1..4 in percent; its off flag follows it.
    void SetRoutingShare(int input, int share);

    // ---- Equaliser ----
    ChannelEqualizer& eq() { return eq_; }
    const ChannelEqualizer& eq() const { return eq_; }
    bool AllBypassed();
    void SetAllBypass(bool on);

    // ---- Loading and writing the output block ----
    void LoadFromBlock(std::span<const std::uint8_t> block);
    void WriteBandSlot(std::span<std::uint8_t> block, int band) const;
    void WriteStripSlot(std::span<std::uint8_t> block) const;
    void WriteCrossoverSlot(std::span<std::uint8_t> block) const;
    void WriteRoutingSlot(std::span<std::uint8_t> block) const;
    void WriteLimiterSlot(std::span<std::uint8_t> block) const;
    void WriteNameSlot(std::span<std::uint8_t> block) const;
    enum class NameSlot { Keep, Write };
    // Bands, strip, crossover, limiter and routing (and the name when asked).
    void WriteAllToBlock(std::span<std::uint8_t> block, NameSlot name) const;

    // The linkable values of another channel (equaliser, crossovers, EQ mode, levels; on and
    // polarity only for the sub pair).
    void CopyFrom(const OutputChannel& source);

    // ---- The channel's own values ----
    // Everything besides the filters, in the form the channel holds them; these are also the
    // defaults of a new channel (the limiter's are the processor's factory values).
    struct Settings {
        std::string name;
        int on = 1;
        int polarity = 0;
        int gainCode = kChannelGainCodeDefault;
        int delayCode = 0;
        int eqMode = 0;
        int levelA = 0;
        int levelB = 0;
        int limiterThreshold = 300;  // +0.0 dBu
        int limiterAttack = 106;
        int limiterRelease = 5;      // attack x 32
        RoutingShares routing;
        bool operator==(const Settings&) const = default;
    };

    // ---- Saved values (undo and redo) ----
    struct Values : Settings {
        std::vector<ChannelFilter::Values> filters;  // bands, high-pass, low-pass
        bool operator==(const Values&) const = default;
    };
    Values SavedValues() const;
    // Takes saved values back. As a user edit (`User`) only the slots whose values differ are
    // marked for the change scan; as a load nothing is marked (the caller sends the block).
    void RestoreValues(const Values& values, EditOrigin origin);
    // How many slots of the block the saved values would change.
    int SlotsDifferingFrom(const Values& values) const;

    // ---- Values ----
    int channelIndex() const { return channel_; }
    const std::string& name() const { return settings_.name; }
    int on() const { return settings_.on; }
    int polarity() const { return settings_.polarity; }
    int gainCode() const { return settings_.gainCode; }
    bool gainZero() const { return gainZero_; }
    int delayCode() const { return settings_.delayCode; }
    int eqMode() const { return settings_.eqMode; }
    int levelA() const { return settings_.levelA; }
    int levelB() const { return settings_.levelB; }
    int limiterThresholdCode() const { return settings_.limiterThreshold; }
    int limiterAttackCode() const { return settings_.limiterAttack; }
    int limiterReleaseCode() const { return settings_.limiterRelease; }
    const RoutingShares& routing() const { return settings_.routing; }

    // ---- Change marks ----
    struct PendingFlags {
        bool name = false;
        bool strip = false;
        bool routing = false;
        bool limiter = false;
        bool block = false;  // the whole block is to be sent
    };
    PendingFlags& pending() { return pending_; }
    const PendingFlags& pending() const { return pending_; }
    bool CrossoverPending() const { return eq_.HighPass().pending() || eq_.LowPass().pending(); }
    void ClearChangeMarks();

private:
    void MarkStrip() { pending_.strip = *synchronised_; }
    void CopyEqModeToBands();
    std::size_t NameIndent() const;

    const bool* synchronised_;
    int channel_;
    Settings settings_;
    ChannelEqualizer eq_;
    bool gainZero_ = false;
    PendingFlags pending_;
    bool allBypassed_ = false;
};

}  // namespace corva
