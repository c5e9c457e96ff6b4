#include "model/OutputBlockLimits.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/ByteOrder.h"
#include "dsp/values/BandCodes.h"
#include "dsp/values/DelayCodes.h"
#include "dsp/values/EntryLimits.h"
#include "protocol/ImageLayout.h"

namespace corva {
namespace {

struct FieldLimits {
    std::size_t offset;
    bool wide;  // a 16-bit signed word; otherwise one unsigned byte
    int lowest;
    int highest;
};

constexpr int kHighestBandType = 2;    // peaking, low shelf, high shelf
constexpr int kHighestShelfSlope = 1;  // 6 or 12 dB/oct
constexpr int kHighestCrossoverKind = 2;
constexpr int kHighestCrossoverSlope = 8;  // 8: off
constexpr int kHighestChannelGainCode = 600;
constexpr int kHighestThresholdCode = 360;
constexpr int kHighestAttackCode = 106;
constexpr int kHighestReleaseCode = 5;

constexpr std::size_t At(int slot, std::size_t byte) {
    return kSlotSize * static_cast<std::size_t>(slot) + byte;
}

std::vector<FieldLimits> MakeFields() {
    std::vector<FieldLimits> fields;
    for (int band = 0; band < output_block::kBandSlots; ++band) {
        fields.push_back({At(band, 0), true, kLowestFrequencyHz, kHighestFrequencyHz});
        fields.push_back(
            {At(band, 2), true, kBandRecordGainOffset, kBandRecordGainOffset + kBandGainCodeMax});
        fields.push_back({At(band, 4), true, 0, kBandwidthIndexMax});
        fields.push_back({At(band, 6), false, 0, kHighestShelfSlope});
        fields.push_back({At(band, 7), false, 0, kHighestBandType});
    }
    const int strip = output_block::kStripSlot;
    fields.push_back({At(strip, 0), false, 0, 1});  // on
    fields.push_back({At(strip, 1), false, 0, 1});  // polarity
    fields.push_back({At(strip, 2), true, 0, kHighestChannelGainCode});
    fields.push_back({At(strip, 4), true, 0, kDelayCodeMax});
    fields.push_back({At(strip, 6), false, 0, 1});  // EQ mode
    for (const std::size_t filter : {std::size_t{0}, std::size_t{4}}) {
        const int crossover = output_block::kCrossoverSlot;
        fields.push_back({At(crossover, filter), true, kLowestFrequencyHz, kHighestFrequencyHz});
        fields.push_back({At(crossover, filter + 2), false, 0, kHighestCrossoverKind});
        fields.push_back({At(crossover, filter + 3), false, 0, kHighestCrossoverSlope});
    }
    for (std::size_t input = 0; input < kRoutingInputs; ++input) {
        fields.push_back({At(output_block::kRoutingSlot, input), false, 0, kHighestRoutingShare});
    }
    const int limiter = output_block::kLimiterSlot;
    fields.push_back({At(limiter, 0), true, 0, kHighestThresholdCode});
    fields.push_back({At(limiter, 2), false, 0, kHighestAttackCode});
    fields.push_back({At(limiter, 3), false, 0, kHighestReleaseCode});
    return fields;
}

const std::vector<FieldLimits>& Fields() {
    static const std::vector<FieldLimits> kFields = MakeFields();
    return kFields;
}

int ValueOf(std::span<const std::uint8_t> block, const FieldLimits& field) {
    return field.wide ? ReadLe16Signed(block, field.offset) : block[field.offset];
}

bool Outside(int value, const FieldLimits& field) {
    return value < field.lowest || value > field.highest;
}

}  // namespace

int ValuesOutsideLimits(std::span<const std::uint8_t> block) {
    if (block.size() < record::kOutputBlockSize) {
        return 0;
    }
    return static_cast<int>(std::count_if(Fields().begin(), Fields().end(), [&](const auto& field) {
        return Outside(ValueOf(block, field), field);
    }));
}

int LimitOutputBlock(std::span<std::uint8_t> block) {
    if (block.size() < record::kOutputBlockSize) {
        return 0;
    }
    int moved = 0;
    for (const auto& field : Fields()) {
        const int value = ValueOf(block, field);
        if (!Outside(value, field)) {
            continue;
        }
        const int limited = std::clamp(value, field.lowest, field.highest);
        if (field.wide) {
            WriteLe16(block, field.offset, limited);
        } else {
            block[field.offset] = static_cast<std::uint8_t>(limited);
        }
        ++moved;
    }
    return moved;
}

int LimitStoredPresetOutputs(ParameterImage& image) {
    int moved = 0;
    for (int preset = 1; preset <= kPresetCount; ++preset) {
        for (int channel = 0; channel < kOutputChannelCount; ++channel) {
            moved += LimitOutputBlock(image.Block(preset, BlockType::Output, channel));
        }
    }
    return moved;
}

std::optional<UiText> LimitedValuesNote(int count) {
    if (count <= 0) {
        return std::nullopt;
    }
    const std::string number = std::to_string(count);
    if (count == 1) {
        return Tr("Edits", "1 value was outside its limits and was limited.");
    }
    return Tr("Edits", "%1 values were outside their limits and were limited.").Arg(number);
}

}  // namespace corva
