// The ordered filter list of one channel: its equaliser bands, then the high-pass, then the
// low-pass; and the channel's summed response.
#pragma once

#include <vector>

#include "dsp/CFilter.h"

namespace corva {

class CKTVEQ {
public:
    // `bandCount` bands at the given frequencies, then a high-pass at 20 Hz and a low-pass at
    // `lowPassHz`.
    CKTVEQ(const bool& synchronised, std::span<const int> bandFrequenciesHz, int lowPassHz);

    int Count() const { return static_cast<int>(filters_.size()); }
    int BandCount() const { return Count() - 2; }
    CFilter& Band(int j) { return filters_.at(static_cast<std::size_t>(j)); }
    const CFilter& Band(int j) const { return filters_.at(static_cast<std::size_t>(j)); }
    CFilter& HighPass() { return filters_[filters_.size() - 2]; }
    const CFilter& HighPass() const { return filters_[filters_.size() - 2]; }
    CFilter& LowPass() { return filters_.back(); }
    const CFilter& LowPass() const { return filters_.back(); }

    BandRecord MakeRecord(int j) const { return Band(j).MakeRecord(); }
    // Loads bands 0..BandCount()-1 from consecutive 8-byte band records.
    void LoadBands(std::span<const std::uint8_t> records);
    void CopyFrom(const CKTVEQ& other);

    // Sum of every filter's response (channel gain not included).
    const Response& SumResponse();

    std::vector<CFilter>& filters() { return filters_; }
    const std::vector<CFilter>& filters() const { return filters_; }

private:
    std::vector<CFilter> filters_;
    Response sum_{};
};

}  // namespace corva
