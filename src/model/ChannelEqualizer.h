// The ordered filter list of one channel: its equaliser bands, then the high-pass, then the
// low-pass; and the channel's summed response.
#pragma once

#include <vector>

#include "model/ChannelFilter.h"

namespace corva {

class ChannelEqualizer {
public:
    // `bandCount` bands at the given frequencies, then a high-pass at 20 Hz and a low-pass at
    // `lowPassHz`.
    ChannelEqualizer(const bool& synchronised, std::span<const int> bandFrequenciesHz, int lowPassHz);

    int Count() const { return static_cast<int>(filters_.size()); }
    int BandCount() const { return Count() - 2; }
    ChannelFilter& Band(int j) { return filters_.at(static_cast<std::size_t>(j)); }
    const ChannelFilter& Band(int j) const { return filters_.at(static_cast<std::size_t>(j)); }
    ChannelFilter& HighPass() { return filters_[filters_.size() - 2]; }
    const ChannelFilter& HighPass() const { return filters_[filters_.size() - 2]; }
    ChannelFilter& LowPass() { return filters_.back(); }
    const ChannelFilter& LowPass() const { return filters_.back(); }

    BandRecord MakeRecord(int j) const { return Band(j).MakeRecord(); }
    // Loads bands 0..BandCount()-1 from consecutive 8-byte band records.
    void LoadBands(std::span<const std::uint8_t> records);
    void CopyFrom(const ChannelEqualizer& other);

    // Sum of every filter's response (channel gain not included).
    Response SumResponse() const;

    std::vector<ChannelFilter>& filters() { return filters_; }
    const std::vector<ChannelFilter>& filters() const { return filters_; }

private:
    std::vector<ChannelFilter> filters_;
};

}  // namespace corva
