#include "model/ChannelFilter.h"

#include "core/ByteOrder.h"
#include "core/FrequencyRange.h"
#include "dsp/values/BandCodes.h"

namespace corva {
ChannelFilter::ChannelFilter(const bool& synchronised, FilterType type, int index)
    : synchronised_{&synchronised},
      type_{type},
      band_{type != FilterType::HighPass && type != FilterType::LowPass},
      index_{index} {
    Recompute();
}

void ChannelFilter::SetFrequency(int frequencyHz, EditOrigin origin) {
    ApplyFrequency(frequencyHz, origin);
    Recompute();
}

void ChannelFilter::ApplyFrequency(int frequencyHz, EditOrigin origin) {
    targetHz_ = frequencyHz;
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
    if (targetHz_ / transmittedHz_ < 2) {
        transmittedHz_ = targetHz_;
    }
    MarkEdited();
}

void ChannelFilter::StepTransmittedFrequency(bool keepPending) {
    if (transmittedHz_ == targetHz_) {
        pending_ = keepPending;
        return;
    }
    if (transmittedHz_ != 0 && targetHz_ / transmittedHz_ >= 2) {
        transmittedHz_ *= 2;
    } else if (transmittedHz_ != 0 &&
               static_cast<double>(targetHz_) / static_cast<double>(transmittedHz_) <= 0.5) {
        transmittedHz_ /= 2;
    } else {
        transmittedHz_ = targetHz_;
    }
    pending_ = true;
}

void ChannelFilter::SetGainPosition(int gainCode) {
    ApplyGainPosition(gainCode);
    Recompute();
}

void ChannelFilter::ApplyGainPosition(int gainCode) {
    gainDb_ = BandGainDb(gainCode);
    if (gainCode == kBandGainCodeFlat) {
        bandBypass_ = true;
    } else {
        bandBypass_ = false;
        allBypass_ = false;
    }
    MarkEdited();
}

void ChannelFilter::SetBandwidthIndex(int bandwidthIndex) {
    ApplyBandwidthIndex(bandwidthIndex);
    Recompute();
}

void ChannelFilter::ApplyBandwidthIndex(int bandwidthIndex) {
    bandwidth_ = BandwidthOctaves(bandwidthIndex);
    MarkEdited();
}

void ChannelFilter::SetBypass(bool bypass) {
    const bool atZero = BandGainCode(gainDb_) == kBandGainCodeFlat;
    if (allBypass_) {
        allBypass_ = false;
        if (atZero) {
            Recompute();
            return;
        }
    } else if (bandBypass_ == bypass || atZero) {
        return;
    }
    bandBypass_ = bypass;
    MarkEdited();
    Recompute();
}

void ChannelFilter::SetAllBypass(bool on) {
    if (on) {
        savedAllBypass_ = allBypass_;
        allBypass_ = true;
    } else {
        allBypass_ = savedAllBypass_;
    }
    Recompute();
}

void ChannelFilter::ResetBand(int frequencyHz) {
    targetHz_ = transmittedHz_ = frequencyHz;
    bandwidth_ = kDefaultBandwidthOctaves;
    gainDb_ = 0.0;
    bandBypass_ = true;
    Recompute();
}

void ChannelFilter::SetCrossoverKind(int kind) {
    kind_ = kind;
    MarkEdited();
    Recompute();
}

void ChannelFilter::SetSlope(int slope) {
    slope_ = slope;
    MarkEdited();
    Recompute();
}

void ChannelFilter::SetBandShape(FilterType type, int slope) {
    type_ = type;
    slope_ = slope;
    MarkEdited();
    Recompute();
}

void ChannelFilter::LoadRecord(std::span<const std::uint8_t> record) {
    ApplyGainPosition(ReadLe16Signed(record, 2) - kBandRecordGainOffset);
    ApplyBandwidthIndex(ReadLe16Signed(record, 4));
    slope_ = record[6];
    type_ = static_cast<FilterType>(record[7]);
    ApplyFrequency(ReadLe16Signed(record, 0), EditOrigin::User);
    StepTransmittedFrequency(false);
    Recompute();
}

void ChannelFilter::LoadCrossover(int frequencyHz, int kind, int slope) {
    ApplyFrequency(frequencyHz, EditOrigin::Load);
    kind_ = kind;
    slope_ = slope;
    StepTransmittedFrequency(false);
    Recompute();
}

BandRecord ChannelFilter::MakeRecord() const {
    BandRecord record{};
    WriteLe16(record, 0, transmittedHz_);
    WriteLe16(record, 2, GainCode() + kBandRecordGainOffset);
    WriteLe16(record, 4, BandwidthIndex());
    record[6] = static_cast<std::uint8_t>(slope_);
    record[7] = static_cast<std::uint8_t>(type_);
    return record;
}

void ChannelFilter::CopyFrom(const ChannelFilter& other) {
    type_ = other.type_;
    targetHz_ = transmittedHz_ = other.targetHz_;
    gainDb_ = other.gainDb_;
    bandBypass_ = other.bandBypass_;
    allBypass_ = other.allBypass_;
    bandwidth_ = other.bandwidth_;
    kind_ = other.kind_;
    slope_ = other.slope_;
    Recompute();
}

ChannelFilter::Values ChannelFilter::SavedValues() const {
    return {type_,      targetHz_, gainDb_, bandBypass_, allBypass_, savedAllBypass_,
            bandwidth_, kind_,     slope_,  geqMode_,    role_};
}

void ChannelFilter::RestoreValues(const Values& values, EditOrigin origin) {
    type_ = values.type;
    gainDb_ = values.gainDb;
    bandBypass_ = values.bandBypass;
    allBypass_ = values.allBypass;
    savedAllBypass_ = values.savedAllBypass;
    bandwidth_ = values.bandwidthOctaves;
    kind_ = values.kind;
    slope_ = values.slope;
    geqMode_ = values.geqMode;
    role_ = values.role;
    ApplyFrequency(values.targetHz, origin);
    if (origin == EditOrigin::User) {
        MarkEdited();
    }
    Recompute();
}

int ChannelFilter::GainCode() const {
    return ReportsBypass() ? kBandGainCodeFlat : BandGainCode(gainDb_);
}

int ChannelFilter::BandwidthIndex() const {
    return corva::BandwidthIndex(bandwidth_);
}

FilterShape ChannelFilter::Shape() const {
    return FilterShape{type_, targetHz_, gainDb_, bandwidth_, kind_, slope_, ReportsBypass()};
}

void ChannelFilter::Recompute() {
    ComputeResponse(Shape(), response_);
}

}  // namespace corva
