#include "model/DefaultOutputBlock.h"

#include "model/OutputChannel.h"
#include "protocol/ParameterImage.h"

namespace corva {

OutputBlockBytes DefaultOutputBlock(int channel) {
    // The factory routing comes from a fresh image; the rest from a fresh channel object.
    const ParameterImage factory;
    const auto factoryBlock = factory.Block(0, BlockType::Output, channel);
    OutputBlockBytes block{};
    std::copy(factoryBlock.begin(), factoryBlock.end(), block.begin());
    const bool notSynchronised = false;
    OutputChannel defaults(notSynchronised, channel);
    auto routing = std::span<std::uint8_t>(block).subspan(kSlotSize * output_block::kRoutingSlot,
                                                          kSlotSize);
    const std::array<std::uint8_t, kSlotSize> factoryRouting = [&] {
        std::array<std::uint8_t, kSlotSize> bytes{};
        std::copy(routing.begin(), routing.end(), bytes.begin());
        return bytes;
    }();
    defaults.WriteAllToBlock(block, OutputChannel::NameSlot::Write);
    std::copy(factoryRouting.begin(), factoryRouting.end(), routing.begin());
    return block;
}

}  // namespace corva
