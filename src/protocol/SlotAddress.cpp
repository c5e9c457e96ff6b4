#include "protocol/SlotAddress.h"

namespace corva {
namespace {

struct BlockShape {
    std::size_t base;  // record offset of slot 0 for channel 0
    std::size_t channelStride;
    int firstChannel;
    int lastChannel;
    int slotCount;
    std::size_t transferLength;
};

std::optional<BlockShape> ShapeOf(BlockType blockType) {
    using namespace record;
    switch (blockType) {
        case BlockType::FirstInput:
            return BlockShape{kFirstInput, kInputBlockSize, 0, 1, 14, kInputBlockSize};
        case BlockType::Effect:
            // The channel byte is ignored; any value names the one effect area.
            return BlockShape{kEffectArea, 0, 0, 255, 19, kEffectBlockTransferSize};
        case BlockType::SecondInput:
            // 72 + 112 * 2 lands on the second input block; other channels are not in use.
            return BlockShape{kSecondInput - 2 * kInputBlockSize, kInputBlockSize, 2, 2, 14,
                              kInputBlockSize};
        case BlockType::Output:
            return BlockShape{kFirstOutput, kOutputBlockSize, 0, kOutputChannelCount - 1,
                              output_block::kSlotCount, kOutputBlockSize};
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<std::size_t> SlotOffset(BlockType blockType, int channel, int slot) {
    const auto shape = ShapeOf(blockType);
    if (!shape || channel < shape->firstChannel || channel > shape->lastChannel || slot < 0 ||
        slot >= shape->slotCount) {
        return std::nullopt;
    }
    return shape->base + shape->channelStride * static_cast<std::size_t>(channel) +
           kSlotSize * static_cast<std::size_t>(slot);
}

std::optional<ByteRange> BlockRange(BlockType blockType, int channel) {
    const auto offset = SlotOffset(blockType, channel, 0);
    if (!offset) {
        return std::nullopt;
    }
    return ByteRange{*offset, ShapeOf(blockType)->transferLength};
}

std::optional<BlockType> RecordBlockType(int wireValue) {
    if (wireValue >= 1 && wireValue <= 4) {
        return static_cast<BlockType>(wireValue);
    }
    return std::nullopt;
}

}  // namespace corva
