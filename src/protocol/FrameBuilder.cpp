#include "protocol/FrameBuilder.h"

#include <algorithm>

#include "core/ByteOrder.h"
#include "protocol/FrameLayout.h"
#include "protocol/ImageLayout.h"

namespace corva {
namespace {

constexpr std::size_t kRequestPayloadSize = 8;
constexpr std::size_t kSecondInputPresetFlag = 83;
constexpr std::size_t kHandshakePayloadSize = 48;

struct Header {
    Command command = Command::Write;
    int preset = 0;
    int blockType = 0;
    int channel = 0;  // or system id
    int slot = 0;     // or mode byte
    bool linked = false;
};

std::unique_ptr<QueuedFrame> MakeFrame(const Header& header, std::span<const std::uint8_t> payload,
                                    int code = frame_code::kOrdinary) {
    FrameHeader encoded;
    encoded.command = header.command;
    encoded.preset = static_cast<std::uint8_t>(header.preset);
    encoded.blockType = static_cast<std::uint8_t>(header.blockType);
    encoded.channel = static_cast<std::uint8_t>(header.channel);
    encoded.slot = static_cast<std::uint8_t>(header.slot);
    encoded.linkFlag = header.linked ? 1 : 0;
    return std::make_unique<QueuedFrame>(EncodeFrame(encoded, payload), code);
}

// Output-block slots whose writes carry the channel's link flag.
bool SlotCarriesLinkFlag(int slot) {
    return slot <= 30 || slot == output_block::kCrossoverSlot || slot == output_block::kRoutingSlot;
}

}  // namespace

FrameBuilder::FrameBuilder(ParameterImage& image, const ProtectionState& protection)
    : image_{image}, protection_{protection} {}

std::unique_ptr<QueuedFrame> FrameBuilder::BuildPollFrame() const {
    const std::array<std::uint8_t, kRequestPayloadSize> zeros{};
    return MakeFrame({Command::ReadRequest, 0, static_cast<int>(BlockType::System),
                      system_id::kStatusList, 0, false},
                     zeros);
}

std::unique_ptr<QueuedFrame> FrameBuilder::BuildSlotFrame(BlockType blockType, int channel,
                                                       int slot) const {
    if (blockType == BlockType::Poll) {
        return BuildPollFrame();
    }
    const auto source = image_.Slot(0, blockType, channel, slot);
    if (source.empty()) {
        return nullptr;
    }
    std::array<std::uint8_t, kSlotSize> payload{};
    std::copy(source.begin(), source.end(), payload.begin());
    bool linked = false;
    if (blockType == BlockType::Output) {
        if (protection_.isProtected) {
            for (auto& byte : payload) {
                byte ^= kProtectionMask;
            }
        }
        linked = SlotCarriesLinkFlag(slot) && image_.LinkFlag(channel);
    }
    return MakeFrame({Command::Write, 0, static_cast<int>(blockType), channel, slot, linked},
                     payload);
}

std::vector<std::uint8_t> FrameBuilder::ScrambledOutputBlock(int channel) const {
    const auto block = image_.Block(0, BlockType::Output, channel);
    std::vector<std::uint8_t> payload(block.begin(), block.end());
    if (protection_.isProtected) {
        if (channel == 0) {
            const auto& password = protection_.password;
            std::copy_n(password.begin(), std::min(password.size(), output_block::kPasswordSize),
                        payload.begin() + output_block::kPassword);
        }
        for (auto& byte : payload) {
            byte ^= kProtectionMask;
        }
        if (channel == 0) {
            payload[output_block::kProtectionMarker] = kProtectionMarker;
        }
    } else if (protection_.released && channel == 0) {
        payload[output_block::kProtectionMarker] = kBlank;
    }
    return payload;
}

std::unique_ptr<QueuedFrame> FrameBuilder::BuildBlockFrame(int preset, BlockType blockType,
                                                        int channel, BlockSource source) const {
    if (preset < 0 || preset > kPresetCount ||
        (source == BlockSource::StoredPreset && preset == 0)) {
        return nullptr;
    }
    if (!BlockRange(blockType, channel)) {
        return nullptr;
    }
    std::vector<std::uint8_t> payload;
    if (source == BlockSource::StoredPreset) {
        const auto block = image_.Block(preset, blockType, channel);
        payload.assign(block.begin(), block.end());
    } else if (blockType == BlockType::Output) {
        payload = ScrambledOutputBlock(channel);
    } else {
        const auto block = image_.Block(0, blockType, channel);
        if (blockType == BlockType::SecondInput && preset != 0) {
            block[kSecondInputPresetFlag] = 1;
        }
        payload.assign(block.begin(), block.end());
    }
    const bool linked = blockType == BlockType::Output && image_.LinkFlag(channel);
    return MakeFrame({Command::Write, preset, static_cast<int>(blockType), channel, 0, linked},
                     payload);
}

std::unique_ptr<QueuedFrame> FrameBuilder::BuildBlockReadFrame(int preset, BlockType blockType,
                                                            int channel,
                                                            ReadPurpose purpose) const {
    if (preset < 0 || preset > kPresetCount || !BlockRange(blockType, channel)) {
        return nullptr;
    }
    const int mode = purpose == ReadPurpose::Recall && preset != 0 ? 0 : frame::kStoreMarker;
    const std::array<std::uint8_t, kRequestPayloadSize> zeros{};
    return MakeFrame(
        {Command::ReadRequest, preset, static_cast<int>(blockType), channel, mode, false}, zeros);
}

std::unique_ptr<QueuedFrame> FrameBuilder::BuildSystemReadFrame(int systemId, int preset) const {
    const std::array<std::uint8_t, kRequestPayloadSize> zeros{};
    return MakeFrame(
        {Command::ReadRequest, preset, static_cast<int>(BlockType::System), systemId, 0, false},
        zeros);
}

std::unique_ptr<QueuedFrame> FrameBuilder::BuildSystemFrame(int systemId, int preset) const {
    using namespace system_id;
    std::vector<std::uint8_t> payload;
    switch (systemId) {
        case kPresetName:
        case kEffectName: {
            const int namePreset =
                systemId == kPresetName && preset >= 1 && preset <= kPresetCount ? preset : 0;
            const auto name = image_.SystemField(systemId, namePreset);
            payload.assign(name.begin(), name.end());
            payload.back() = 0;
            break;
        }
        case kStatusList:
        case kVersionTag:
        case kDeviceInformation:
        case kUnstored52:
            return nullptr;  // read-only: the processor never takes writes for these
        case kFactoryReset:
            payload.assign(kRequestPayloadSize, 0);
            break;
        default: {
            const auto field = image_.SystemField(systemId);
            if (field.empty()) {
                return nullptr;
            }
            payload.assign(field.begin(), field.end());
        }
    }
    return MakeFrame(
        {Command::Write, preset, static_cast<int>(BlockType::System), systemId, 0, false}, payload);
}

std::unique_ptr<QueuedFrame> FrameBuilder::BuildFirmwareStep(int code,
                                                             std::span<const std::uint8_t> payload) {
    return MakeFrame({Command::Write, 0, static_cast<int>(BlockType::System), code, 0, false},
                     payload, code);
}

std::unique_ptr<QueuedFrame> FrameBuilder::BuildFirmwareHandshakeItem() const {
    std::array<std::uint8_t, kHandshakePayloadSize> payload{};
    for (std::size_t i = 0; i < payload.size(); i += 2) {
        payload[i] = 0x43;
        payload[i + 1] = 0x11;
    }
    return MakeFrame({Command::Write, 0, static_cast<int>(BlockType::System),
                      frame_code::kFirmwareHandshake, 0, false},
                     payload, frame_code::kFirmwareHandshake);
}

}  // namespace corva
