#include "model/ChannelEqualizer.h"

#include "protocol/ImageLayout.h"

namespace corva {
namespace {
constexpr int kHighPassOffHz = 20;
constexpr int kCrossoverIndex = 32;
}  // namespace

ChannelEqualizer::ChannelEqualizer(const bool& synchronised, std::span<const int> bandFrequenciesHz, int lowPassHz) {
    filters_.reserve(bandFrequenciesHz.size() + 2);
    for (std::size_t j = 0; j < bandFrequenciesHz.size(); ++j) {
        auto& band = filters_.emplace_back(synchronised, FilterType::Peaking, static_cast<int>(j));
        band.SetFrequency(bandFrequenciesHz[j], EditOrigin::Load);
    }
    filters_.emplace_back(synchronised, FilterType::HighPass, kCrossoverIndex)
        .SetFrequency(kHighPassOffHz, EditOrigin::Load);
    filters_.emplace_back(synchronised, FilterType::LowPass, kCrossoverIndex)
        .SetFrequency(lowPassHz, EditOrigin::Load);
}

void ChannelEqualizer::LoadBands(std::span<const std::uint8_t> records) {
    for (int j = 0; j < BandCount(); ++j) {
        const auto offset = kSlotSize * static_cast<std::size_t>(j);
        if (offset + kSlotSize > records.size()) {
            break;
        }
        Band(j).LoadRecord(records.subspan(offset, kSlotSize));
    }
}

void ChannelEqualizer::CopyFrom(const ChannelEqualizer& other) {
    const std::size_t count = std::min(filters_.size(), other.filters_.size());
    for (std::size_t i = 0; i < count; ++i) {
        filters_[i].CopyFrom(other.filters_[i]);
    }
}

Response ChannelEqualizer::SumResponse() const {
    Response sum{};
    for (const auto& filter : filters_) {
        const auto& response = filter.response();
        for (int i = 0; i < kGridPoints; ++i) {
            sum[static_cast<std::size_t>(i)] += response[static_cast<std::size_t>(i)];
        }
    }
    return sum;
}

}  // namespace corva
