#include "model/ChannelFilter.h"

#include "core/ByteOrder.h"
#include "core/FrequencyRange.h"
#include "dsp/values/BandCodes.h"

namespace corva {
ChannelFilter::ChannelFilter(const bool& synchronised, FilterType type, int index)
    : synchronised_{&synchronised},
      band_{type != FilterType::HighPass && type != FilterType::LowPass},
      index_{index} {
    values_.type = type;
    Recompute();
}

void ChannelFilter::SetFrequency(int frequencyHz, EditOrigin origin) {
    ApplyFrequency(frequencyHz, origin);
    Recompute();
}

void ChannelFilter::ApplyFrequency(int frequencyHz, EditOrigin origin) {
    values_.targetHz = frequencyHz;
    if (origin == EditOrigin::Load) {
        transmittedHz_ = frequencyHz;
        return;
    }
    // Nothing is sent while not synchronised, so every filter takes the new value at once (a
    // crossover kept at its old value would be written so into a preset file saved offline);
    // otherwise an upward jump of a factor 2 or more is sent in octave steps by the change scan.
    if (!*synchronised_) {
        transmittedHz_ = frequencyHz;
    }
    if (transmittedHz_ == 0) {
        transmittedHz_ = kLowestFrequencyHz;
    }
    if (values_.targetHz / transmittedHz_ < 2) {
        transmittedHz_ = values_.targetHz;
    }
    MarkEdited();
}

void ChannelFilter::StepTransmittedFrequency() {
    if (transmittedHz_ == values_.targetHz) {
        pending_ = false;
        return;
    }
    if (transmittedHz_ != 0 && values_.targetHz / transmittedHz_ >= 2) {
        transmittedHz_ *= 2;
    } else if (transmittedHz_ != 0 &&
               static_cast<double>(values_.targetHz) / static_cast<double>(transmittedHz_) <= 0.5) {
        transmittedHz_ /= 2;
    } else {
        transmittedHz_ = values_.targetHz;
    }
    pending_ = true;
}

void ChannelFilter::SetGainPosition(int gainCode) {
    ApplyGainPosition(gainCode);
    Recompute();
}

void ChannelFilter::ApplyGainPosition(int gainCode) {
    values_.gainDb = BandGainDb(gainCode);
    if (gainCode == kBandGainCodeFlat) {
        values_.bandBypass = true;
    } else {
        values_.bandBypass = false;
        values_.allBypass = false;
    }
    MarkEdited();
}

void ChannelFilter::SetBandwidthIndex(int bandwidthIndex) {
    ApplyBandwidthIndex(bandwidthIndex);
    Recompute();
}

void ChannelFilter::ApplyBandwidthIndex(int bandwidthIndex) {
    values_.bandwidthOctaves = BandwidthOctaves(bandwidthIndex);
    MarkEdited();
}

void ChannelFilter::SetBypass(bool bypass) {
    const bool atZero = BandGainCode(values_.gainDb) == kBandGainCodeFlat;
    if (values_.allBypass) {
        values_.allBypass = false;
        if (atZero) {
            Recompute();
            return;
        }
    } else if (values_.bandBypass == bypass || atZero) {
        return;
    }
    values_.bandBypass = bypass;
    MarkEdited();
    Recompute();
}

void ChannelFilter::SetAllBypass(bool on) {
    if (on) {
        values_.savedAllBypass = values_.allBypass;
        values_.allBypass = true;
    } else {
        values_.allBypass = values_.savedAllBypass;
    }
    Recompute();
}

void ChannelFilter::ResetBand(int frequencyHz) {
    values_.targetHz = transmittedHz_ = frequencyHz;
    values_.bandwidthOctaves = kDefaultBandwidthOctaves;
    values_.gainDb = 0.0;
    values_.bandBypass = true;
    Recompute();
}

void ChannelFilter::SetCrossoverKind(int kind) {
    values_.kind = kind;
    MarkEdited();
    Recompute();
}

void ChannelFilter::SetSlope(int slope) {
    values_.slope = slope;
    MarkEdited();
    Recompute();
}

void ChannelFilter::SetBandShape(FilterType type, int slope) {
    values_.type = type;
    values_.slope = slope;
    MarkEdited();
    Recompute();
}

void ChannelFilter::LoadRecord(std::span<const std::uint8_t> record) {
    ApplyGainPosition(ReadLe16Signed(record, 2) - kBandRecordGainOffset);
    ApplyBandwidthIndex(ReadLe16Signed(record, 4));
    values_.slope = record[6];
    values_.type = static_cast<FilterType>(record[7]);
    ApplyFrequency(ReadLe16Signed(record, 0), EditOrigin::User);
    StepTransmittedFrequency();
    Recompute();
}

void ChannelFilter::LoadCrossover(int frequencyHz, int kind, int slope) {
    ApplyFrequency(frequencyHz, EditOrigin::Load);
    values_.kind = kind;
    values_.slope = slope;
    StepTransmittedFrequency();
    Recompute();
}

BandRecord ChannelFilter::MakeRecord() const {
    BandRecord record{};
    WriteLe16(record, 0, transmittedHz_);
    WriteLe16(record, 2, GainCode() + kBandRecordGainOffset);
    WriteLe16(record, 4, BandwidthIndex());
    record[6] = static_cast<std::uint8_t>(values_.slope);
    record[7] = static_cast<std::uint8_t>(values_.type);
    return record;
}

void ChannelFilter::CopyFrom(const ChannelFilter& other) {
    values_.type = other.values_.type;
    values_.targetHz = transmittedHz_ = other.values_.targetHz;
    values_.gainDb = other.values_.gainDb;
    values_.bandBypass = other.values_.bandBypass;
    values_.allBypass = other.values_.allBypass;
    values_.bandwidthOctaves = other.values_.bandwidthOctaves;
    values_.kind = other.values_.kind;
    values_.slope = other.values_.slope;
    Recompute();
}

ChannelFilter::Values ChannelFilter::SavedValues() const {
    return values_;
}

void ChannelFilter::RestoreValues(const Values& values, EditOrigin origin) {
    values_ = values;
    ApplyFrequency(values.targetHz, origin);
    if (origin == EditOrigin::User) {
        MarkEdited();
    }
    Recompute();
}

int ChannelFilter::GainCode() const {
    return ReportsBypass() ? kBandGainCodeFlat : BandGainCode(values_.gainDb);
}

int ChannelFilter::BandwidthIndex() const {
    return corva::BandwidthIndex(values_.bandwidthOctaves);
}

FilterShape ChannelFilter::Shape() const {
    return FilterShape{values_.type, values_.targetHz, values_.gainDb, values_.bandwidthOctaves,
                       values_.kind, values_.slope,    ReportsBypass()};
}

void ChannelFilter::Recompute() {
    ComputeResponse(Shape(), response_);
}

}  // namespace corva
