#include "firmware/UpdateSequencer.h"

#include <algorithm>

#include "core/ByteOrder.h"
#include "protocol/FrameBuilder.h"

namespace corva {
namespace {

constexpr std::size_t kDspBlockBytes = 44;
constexpr std::size_t kMcuBlockBytes = 48;
constexpr std::size_t kCommandPayload = 16;

enum Stage { kFirst = 0, kSecond = 1, kThird = 2, kFourth = 3, kDone = 4 };

}  // namespace

UpdateSequencer::UpdateSequencer(FirmwareImage image) : image_{std::move(image)} {
    // With a DSP part the start step goes out once, before the DSP program.
    if (image_.hasDsp) {
        mcuStage_ = kSecond;
    }
}

std::unique_ptr<QueuedFrame> UpdateSequencer::Step(int code, std::vector<std::uint8_t> payload) {
    auto frame = FrameBuilder::BuildFirmwareStep(code, payload);
    frame->progressIndex = ++stepCount_;
    return frame;
}

std::vector<std::unique_ptr<QueuedFrame>> UpdateSequencer::NextUpdateStep() {
    std::vector<std::unique_ptr<QueuedFrame>> steps;
    if (handshakePending_) {
        handshakePending_ = false;
        ParameterImage unused;
        ProtectionState plain;
        auto item = FrameBuilder(unused, plain).BuildFirmwareHandshakeItem();
        item->progressIndex = ++stepCount_;
        steps.push_back(std::move(item));
        return steps;
    }
    if (dspSent_ < image_.dsp.size()) {
        DspPass(steps);
    } else if (mcuSent_ < image_.mcuHeader.size() + image_.mcu.size()) {
        McuPass(steps);
    }
    finished_ = finished_ || steps.empty();
    return steps;
}

void UpdateSequencer::DspPass(std::vector<std::unique_ptr<QueuedFrame>>& steps) {
    if (dspStage_ == kFirst) {
        steps.push_back(Step(firmware_step::kStart, std::vector<std::uint8_t>(kCommandPayload, 0)));
        steps.push_back(Step(firmware_step::kErase, std::vector<std::uint8_t>(kCommandPayload, 0)));
        dspStage_ = kSecond;
    }
    if (dspStage_ == kSecond) {
        std::vector<std::uint8_t> payload(4 + kDspBlockBytes, 0);
        WriteLe32(payload, 0, dspAddress_);
        const std::size_t remaining = image_.dsp.size() - dspSent_;
        const std::size_t take = std::min(remaining, kDspBlockBytes);
        std::copy_n(image_.dsp.begin() + static_cast<std::ptrdiff_t>(dspSent_), take,
                    payload.begin() + 4);
        dspSent_ += take;
        dspAddress_ += static_cast<std::uint32_t>(kDspBlockBytes);
        steps.push_back(Step(firmware_step::kDspBlock, std::move(payload)));
        if (remaining > kDspBlockBytes) {
            return;
        }
        dspStage_ = image_.hasMcu ? kFourth : kThird;
    }
    if (dspStage_ == kThird) {
        steps.push_back(Step(firmware_step::kFinish, {image_.checkByte}));
        dspStage_ = kDone;
        finished_ = true;
    }
}

void UpdateSequencer::McuPass(std::vector<std::unique_ptr<QueuedFrame>>& steps) {
    if (mcuStage_ == kFirst) {
        steps.push_back(Step(firmware_step::kStart, std::vector<std::uint8_t>(kCommandPayload, 0)));
        mcuStage_ = kSecond;
    }
    if (mcuStage_ == kSecond) {
        steps.push_back(Step(firmware_step::kMcuHeader, image_.mcuHeader));
        mcuSent_ = image_.mcuHeader.size();
        mcuStage_ = kThird;
        if (image_.mcu.empty()) {
            mcuStage_ = kFourth;
        }
    }
    if (mcuStage_ == kThird) {
        const std::size_t sent = mcuSent_ - image_.mcuHeader.size();
        const std::size_t remaining = image_.mcu.size() - sent;
        std::vector<std::uint8_t> payload(kMcuBlockBytes, 0xFF);
        const std::size_t take = std::min(remaining, kMcuBlockBytes);
        std::copy_n(image_.mcu.begin() + static_cast<std::ptrdiff_t>(sent), take, payload.begin());
        mcuSent_ += take;
        steps.push_back(Step(firmware_step::kMcuBlock, std::move(payload)));
        if (remaining >= kMcuBlockBytes + 1) {
            return;
        }
        mcuStage_ = kFourth;
    }
    if (mcuStage_ == kFourth) {
        steps.push_back(Step(firmware_step::kFinish, {image_.checkByte}));
        mcuStage_ = kDone;
        finished_ = true;
    }
}

std::optional<UiText> UpdateSequencer::StatusAfter(int code) {
    switch (code) {
        case firmware_step::kStart:
            return Tr("Firmware", "Firmware update begins!");
        case firmware_step::kErase:
            return Tr("Firmware", "Dsp update begins!");
        case firmware_step::kDspBlock:
            return Tr("Firmware", "Programming......", "DSP block starts");
        case firmware_step::kMcuBlock:
            if (firstMcuBlockAcknowledged_) {
                return std::nullopt;
            }
            firstMcuBlockAcknowledged_ = true;
            return Tr("Firmware", "Programming......", "data transfer");
        case firmware_step::kFinish:
            return Tr("Firmware", "Update successfully!");
        default:
            return std::nullopt;
    }
}

}  // namespace corva
