// One equaliser band or crossover filter of a channel: its values in engineering units, the
// frequency it has told the processor so far, its change mark and its response curve.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "dsp/response/FilterResponse.h"
#include "dsp/values/BandCodes.h"

namespace corva {

using BandRecord = std::array<std::uint8_t, 8>;

// Whether a frequency change comes from the user (stepped towards the processor) or from
// construction and loading (taken as it is).
enum class EditOrigin { Load, User };

class ChannelFilter {
public:
    // `synchronised` is the model's flag: edits are marked for sending only while it is set.
    ChannelFilter(const bool& synchronised, FilterType type, int index);

    // ---- Edits ----
    void SetFrequency(int frequencyHz, EditOrigin origin);
    // One step of the transmitted frequency towards the target (at most a factor 2 upwards);
    // the filter is pending after a step and no longer pending when already there.
    void StepTransmittedFrequency();
    void SetGainPosition(int gainCode);  // 0..400 = -20..+20 dB; 0 dB bypasses the band
    void SetBandwidthIndex(int bandwidthIndex);
    void SetBypass(bool bypass);
    void SetAllBypass(bool on);
    void ResetBand(int frequencyHz);
    void SetCrossoverKind(int kind);
    void SetSlope(int slope);
    // A band's type (peaking, low or high shelf) and shelf slope.
    void SetBandShape(FilterType type, int slope);
    void SetEqMode(bool geq) { values_.geqMode = geq; }
    void ClearPending() { pending_ = false; }
    void MarkPending() { pending_ = true; }

    // ---- Saved values (undo and redo) ----
    // Everything the user can change, without the change mark, the frequency sent so far and
    // the response curve; the filter holds its values in this form, so these are also the
    // defaults of a new filter.
    struct Values {
        FilterType type = FilterType::Peaking;
        int targetHz = 1000;
        double gainDb = 0.0;
        bool bandBypass = true;
        bool allBypass = false;
        bool savedAllBypass = false;
        double bandwidthOctaves = kDefaultBandwidthOctaves;
        int kind = 1;
        int slope = 1;
        bool geqMode = false;
        int role = 0;
        bool operator==(const Values&) const = default;
    };
    Values SavedValues() const;
    // Takes saved values back. As a user edit (`User`) it is marked for sending and a large
    // upward frequency is stepped like any typed one; as a load it is taken as it is.
    void RestoreValues(const Values& values, EditOrigin origin);

    // ---- Records ----
    void LoadRecord(std::span<const std::uint8_t> record);  // an 8-byte band record
    // A crossover's values as the processor holds them; nothing is marked for sending.
    void LoadCrossover(int frequencyHz, int kind, int slope);
    BandRecord MakeRecord() const;
    // Linkable values of another filter (type, frequency, gain, bypass, bandwidth, kind, slope).
    void CopyFrom(const ChannelFilter& other);

    // ---- Values ----
    FilterType type() const { return values_.type; }
    int index() const { return index_; }
    bool isBand() const { return band_; }  // an equaliser band, not a crossover filter
    int targetHz() const { return values_.targetHz; }
    int transmittedHz() const { return transmittedHz_; }
    double gainDb() const { return values_.gainDb; }
    bool bandBypass() const { return values_.bandBypass; }
    bool allBypass() const { return values_.allBypass; }
    bool ReportsBypass() const { return values_.bandBypass || values_.allBypass; }
    int GainCode() const;  // 200 (0 dB) while bypassed
    double bandwidthOctaves() const { return values_.bandwidthOctaves; }
    int BandwidthIndex() const;
    int crossoverKind() const { return values_.kind; }
    int slope() const { return values_.slope; }
    bool geqMode() const { return values_.geqMode; }
    bool pending() const { return pending_; }
    int filterRole() const { return values_.role; }
    void SetFilterRole(int role) { values_.role = role; }

    FilterShape Shape() const;
    const Response& response() const { return response_; }

private:
    // Value changes without the response update, so a load recomputes once.
    void ApplyFrequency(int frequencyHz, EditOrigin origin);
    void ApplyGainPosition(int gainCode);
    void ApplyBandwidthIndex(int bandwidthIndex);
    void Recompute();
    void MarkEdited() { pending_ = *synchronised_; }

    const bool* synchronised_;
    bool band_;
    int index_;
    Values values_;
    int transmittedHz_ = 20;
    bool pending_ = false;
    Response response_{};
};

}  // namespace corva
