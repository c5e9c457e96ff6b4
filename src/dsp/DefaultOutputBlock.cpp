#include "dsp/DefaultOutputBlock.h"

#include "dsp/CKTV_OutData.h"
#include "protocol/ParameterImage.h"

namespace corva {

OutputBlockBytes DefaultOutputBlock(int channel) {
    // The factory routing comes from a fresh image; the rest from a fresh channel object.
    const ParameterImage factory;
    const auto factoryBlock = factory.Block(0, BlockType::Output, channel);
    OutputBlockBytes block{};
    std::copy(factoryBlock.begin(), factoryBlock.end(), block.begin());
    const bool notSynchronised = false;
    CKTV_OutData defaults(notSynchronised, channel);
    auto routing = std::span<std::uint8_t>(block).subspan(kSlotSize * output_block::kRoutingSlot,
                                                          kSlotSize);
    const std::array<std::uint8_t, kSlotSize> factoryRouting = [&] {
        std::array<std::uint8_t, kSlotSize> bytes{};
        std::copy(routing.begin(), routing.end(), bytes.begin());
        return bytes;
    }();
    defaults.WriteAllToBlock(block, CKTV_OutData::NameSlot::Write);
    std::copy(factoryRouting.begin(), factoryRouting.end(), routing.begin());
    return block;
}

}  // namespace corva
