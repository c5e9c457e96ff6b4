#include "TuningJson.h"

#include "core/ByteOrder.h"
#include "files/ModeFile.h"
#include "protocol/TextField.h"
#include "text/CodePage.h"

namespace corva::cli {
namespace {

std::span<const std::uint8_t> SlotOfBlock(std::span<const std::uint8_t> block, int slot) {
    return block.subspan(static_cast<std::size_t>(slot) * kSlotSize, kSlotSize);
}

std::span<const std::uint8_t> OutputBlockOf(const TuningSnapshot& tuning, int channel) {
    return std::span<const std::uint8_t>(tuning.liveRecord)
        .subspan(record::OutputBlock(channel), record::kOutputBlockSize);
}

void AddCrossover(JsonText& json, const char* key, std::span<const std::uint8_t> slot,
                  std::size_t at) {
    json.Object(key, [&](JsonText& filter) {
        filter.Field("freq", static_cast<int>(ReadLe16Signed(slot, at)));
        filter.Field("kind", static_cast<int>(slot[at + 2]));
        filter.Field("slope", static_cast<int>(slot[at + 3]));
    });
}

void AddChannel(JsonText& json, const TuningSnapshot& tuning, int channel) {
    const auto block = OutputBlockOf(tuning, channel);
    const auto strip = SlotOfBlock(block, output_block::kStripSlot);
    const auto crossover = SlotOfBlock(block, output_block::kCrossoverSlot);
    const auto limiter = SlotOfBlock(block, output_block::kLimiterSlot);
    const auto routing = SlotOfBlock(block, output_block::kRoutingSlot);
    json.Field("name", ChannelNameOfRecord(tuning, channel));
    json.Field("on", static_cast<int>(strip[0]));
    json.Field("polarity", static_cast<int>(strip[1]));
    json.Field("gain_code", static_cast<int>(ReadLe16Signed(strip, 2)));
    json.Field("delay_code", static_cast<int>(ReadLe16Signed(strip, 4)));
    json.Field("eq_mode", static_cast<int>(strip[6]));
    AddCrossover(json, "hpf", crossover, 0);
    AddCrossover(json, "lpf", crossover, 4);
    json.Object("limiter", [&](JsonText& values) {
        values.Field("threshold", static_cast<int>(ReadLe16Signed(limiter, 0)));
        values.Field("attack", static_cast<int>(limiter[2]));
        values.Field("release", static_cast<int>(limiter[3]));
    });
    json.Array("routing", std::vector<int>{routing[0], routing[1], routing[2], routing[3]});
    json.ObjectArray("eq", output_block::kBandSlots, [&](JsonText& band, int j) {
        const auto record = SlotOfBlock(block, j);
        band.Field("freq", static_cast<int>(ReadLe16Signed(record, 0)));
        band.Field("gain_code", static_cast<int>(ReadLe16Signed(record, 2)));
        band.Field("bw_index", static_cast<int>(ReadLe16Signed(record, 4)));
        band.Field("slope", static_cast<int>(record[6]));
        band.Field("type", static_cast<int>(record[7]));
    });
}

}  // namespace

std::string ChannelNameOfRecord(const TuningSnapshot& tuning, int channel) {
    const auto slot = SlotOfBlock(OutputBlockOf(tuning, channel), output_block::kNameSlot);
    if (channel == 0) {
        if (tuning.isProtected) {
            return {};
        }
        // Its first byte is the protection marker.
        return Utf8FromField(slot.subspan(1));
    }
    return Utf8FromField(slot);
}

std::vector<std::string> PresetNames(const TuningSnapshot& tuning) {
    std::vector<std::string> names;
    for (const auto& name : tuning.presetNames) {
        names.push_back(DecodeRecordText(name));
    }
    return names;
}

void AddTuningFields(JsonText& json, const TuningSnapshot& tuning) {
    json.Field("name", DecodeRecordText(tuning.liveName));
    json.Field("protected", tuning.isProtected);
    json.Object("positions", [&](JsonText& positions) {
        const auto& table = tuning.positions.bytes;
        positions.Field("current", static_cast<int>(table[listening_table::kCurrentPosition]));
        positions.Field("last_mode_file",
                        static_cast<int>(table[listening_table::kLastModeFilePosition]));
        positions.ArrayOfArrays("rows", listening_table::kPositionCount, [&](int position) {
            const auto& row = tuning.positions.delayCodes[static_cast<std::size_t>(position)];
            return std::vector<int>(row.begin(), row.end());
        });
    });
    json.ObjectArray("channels", kOutputChannelCount,
                     [&](JsonText& channel, int c) { AddChannel(channel, tuning, c); });
}

}  // namespace corva::cli
