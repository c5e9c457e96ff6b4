#include "dsp/values/DefaultBandFrequencies.h"

#include <array>

namespace corva {
namespace {

constexpr std::array<int, kDefaultBandCount> kBandFrequencies = {
    31,   65,   125,  250,  500,  1000,  2000,  4000,  8000, 16000, 200,
    250,  315,  400,  500,  630,  800,   1000,  1250,  1600, 2000,  2500,
    3150, 4000, 5000, 6300, 8000, 10000, 12500, 16000, 20000};

}  // namespace

std::span<const int> DefaultBandFrequencies() {
    return kBandFrequencies;
}

}  // namespace corva
