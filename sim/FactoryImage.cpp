#include "sim/FactoryImage.h"

#include <algorithm>
#include <string>

#include "core/ByteOrder.h"
#include "protocol/ImageLayout.h"

namespace corva::sim {
namespace {

constexpr std::array<std::string_view, kOutputChannelCount> kChannelNames = {
    " FL", "FR", "SL", "SR", "ULF", "Center"};

constexpr int kBandFrequencyHz = 1000;
constexpr int kFlatBandGainCode = 600;
constexpr int kHighPassHz = 20;
constexpr int kLowPassHz = 20000;
constexpr std::uint8_t kCrossoverKind = 2;
constexpr std::uint8_t kCrossoverSlope = 2;
constexpr int kFullGainCode = 600;
constexpr int kLimiterThresholdCode = 300;
constexpr std::uint8_t kLimiterAttackCode = 106;
constexpr std::uint8_t kLimiterReleaseCode = 5;

std::span<std::uint8_t> SlotIn(std::span<std::uint8_t> block, int slot) {
    return block.subspan(kSlotSize * static_cast<std::size_t>(slot), kSlotSize);
}

void WriteBlankPaddedName(std::span<std::uint8_t> field, std::string_view name) {
    std::fill(field.begin(), field.end(), kBlank);
    std::copy_n(name.begin(), std::min(name.size(), field.size() - 1), field.begin());
    field.back() = 0;
}

}  // namespace

std::array<std::uint8_t, record::kOutputBlockSize> FactoryOutputBlock(int channel) {
    std::array<std::uint8_t, record::kOutputBlockSize> bytes{};
    const std::span<std::uint8_t> block(bytes);

    // Routing comes from a fresh image, which already knows the factory input of each output.
    const ParameterImage defaults;
    const auto routing = defaults.Block(0, BlockType::Output, channel)
                             .subspan(kSlotSize * output_block::kRoutingSlot, kSlotSize);
    std::copy(routing.begin(), routing.end(), SlotIn(block, output_block::kRoutingSlot).begin());

    for (int band = 0; band < output_block::kBandSlots; ++band) {
        auto slot = SlotIn(block, band);
        WriteLe16(slot, 0, kBandFrequencyHz);
        WriteLe16(slot, 2, kFlatBandGainCode);
    }

    auto strip = SlotIn(block, output_block::kStripSlot);
    strip[0] = 1;  // sound on
    WriteLe16(strip, 2, kFullGainCode);

    auto crossover = SlotIn(block, output_block::kCrossoverSlot);
    WriteLe16(crossover, 0, kHighPassHz);
    crossover[2] = kCrossoverKind;
    crossover[3] = kCrossoverSlope;
    WriteLe16(crossover, 4, kLowPassHz);
    crossover[6] = kCrossoverKind;
    crossover[7] = kCrossoverSlope;

    auto limiter = SlotIn(block, output_block::kLimiterSlot);
    WriteLe16(limiter, 0, kLimiterThresholdCode);
    limiter[2] = kLimiterAttackCode;
    limiter[3] = kLimiterReleaseCode;

    // Up to 7 characters padded with 0; byte 7 is always 0.
    const auto name = kChannelNames.at(static_cast<std::size_t>(channel));
    std::copy(name.begin(), name.end(), SlotIn(block, output_block::kNameSlot).begin());
    return bytes;
}

ParameterImage FactoryImage() {
    ParameterImage image;
    auto live = image.Live();
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        const auto block = FactoryOutputBlock(channel);
        std::copy(block.begin(), block.end(), live.begin() + record::OutputBlock(channel));
    }
    WriteBlankPaddedName(live.subspan(record::kPresetName, kNameFieldSize), "");

    // Every stored preset starts as a copy of the factory tuning under its own name.
    for (int preset = 1; preset <= kPresetCount; ++preset) {
        auto stored = image.Record(preset);
        std::copy(live.begin() + record::kEffectArea, live.end(),
                  stored.begin() + record::kEffectArea);
        WriteBlankPaddedName(stored.subspan(record::kPresetName, kNameFieldSize),
                             "Preset" + std::to_string(preset));
    }

    auto information = image.SystemField(system_id::kDeviceInformation);
    std::fill(information.begin(), information.end(), 0);
    std::copy_n(kSimDeviceInformation.begin(),
                std::min(kSimDeviceInformation.size(), information.size() - 1),
                information.begin());

    image.StatusList()[kSourceStatusEntry] = image.SystemSettings()[0];
    return image;
}

}  // namespace corva::sim
