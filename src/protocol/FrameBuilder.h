// Turns a place of the parameter image into a complete, checksummed frame ready for the send
// queue. Every frame is built in its own buffer, so builds may run on any thread that holds
// the send lock for the image.
#pragma once

#include <memory>

#include "protocol/ParameterImage.h"
#include "protocol/ProtectionState.h"
#include "protocol/QueuedFrame.h"

namespace corva {

// Where a block write takes its payload from.
enum class BlockSource {
    Live,          // the live record (scrambled while protected)
    StoredPreset,  // the stored preset named by the preset number (never scrambled)
};

// What a block read request asks for.
enum class ReadPurpose {
    Store,   // file the answer under the preset number (mode byte 0x77)
    Recall,  // the processor recalls the preset; the answer goes to the live record (mode 0)
};

class FrameBuilder {
public:
    // The image is not const: sending the live music-input block under a preset number sets
    // its flag byte 83 in the image first.
    FrameBuilder(ParameterImage& image, const ProtectionState& protection);

    // Slot write of one 8-byte slot of the live record; BlockType::Poll builds the poll frame.
    std::unique_ptr<QueuedFrame> BuildSlotFrame(BlockType blockType, int channel, int slot) const;
    std::unique_ptr<QueuedFrame> BuildPollFrame() const;

    // Whole-block write. From the live record, `preset` 1..15 makes the processor store it.
    std::unique_ptr<QueuedFrame> BuildBlockFrame(int preset, BlockType blockType, int channel,
                                              BlockSource source) const;

    std::unique_ptr<QueuedFrame> BuildBlockReadFrame(int preset, BlockType blockType, int channel,
                                                  ReadPurpose purpose) const;

    std::unique_ptr<QueuedFrame> BuildSystemReadFrame(int systemId, int preset = 0) const;

    // System write of a field; `preset` matters only for the preset name (id 0). Nothing for
    // an id the processor does not take writes for.
    std::unique_ptr<QueuedFrame> BuildSystemFrame(int systemId, int preset = 0) const;

    // One step of a firmware update: a system write whose id byte and frame code are `code`.
    static std::unique_ptr<QueuedFrame> BuildFirmwareStep(int code,
                                                       std::span<const std::uint8_t> payload);

    // The handshake item that opens a firmware update (code 255).
    std::unique_ptr<QueuedFrame> BuildFirmwareHandshakeItem() const;

private:
    std::vector<std::uint8_t> ScrambledOutputBlock(int channel) const;

    ParameterImage& image_;
    const ProtectionState& protection_;
};

}  // namespace corva
