#include "sim/SimulatedProcessor.h"

#include <algorithm>

#include "core/ByteOrder.h"
#include "protocol/FrameLayout.h"
#include "protocol/ImageLayout.h"
#include "protocol/ProtectionState.h"
#include "sim/FactoryImage.h"
#include "sim/StateFile.h"

namespace corva::sim {
namespace {

constexpr std::size_t kVersionTagChars = 11;
// What a read of something the processor does not keep is answered with.
constexpr std::size_t kPlaceholderPayloadSize = 8;

// Firmware loader steps: system writes whose id is the step's character.
constexpr int kStepStart = '6';
constexpr int kStepMcuHeader = '7';
constexpr int kStepMcuBlock = '8';
constexpr int kStepFinish = '9';
constexpr int kStepErase = ':';
constexpr int kStepDspBlock = ';';
constexpr std::size_t kDspAddressSize = 4;
// The DSP program memory the loader accepts blocks for (the program part is under 64 KiB).
constexpr std::size_t kDspMemorySize = 0x100000;

constexpr std::uint8_t kHandshakeFirst = 0x43;
constexpr std::uint8_t kHandshakeSecond = 0x11;
constexpr std::size_t kReportPayload = kHidReportSize - 1;

// An answer in the frame layout; bytes 6..9 repeat the request's so the host can file it.
std::vector<std::uint8_t> MakeAnswer(Command command, std::span<const std::uint8_t> request,
                                     std::span<const std::uint8_t> payload) {
    std::vector<std::uint8_t> answer(payload.size() + frame::kOverhead, 0);
    answer[0] = answer[1] = answer[2] = frame::kSync;
    answer[3] = frame::kStart;
    answer[frame::kCommand] = static_cast<std::uint8_t>(command);
    answer[frame::kAddress] = frame::kDeviceAddress;
    std::copy(request.begin() + frame::kPreset, request.begin() + frame::kLinkFlag,
              answer.begin() + frame::kPreset);
    WriteLe16(answer, frame::kLength, static_cast<int>(payload.size()));
    std::copy(payload.begin(), payload.end(), answer.begin() + frame::kHeaderSize);
    SealFrame(answer);
    return answer;
}

std::vector<std::uint8_t> Acknowledge(std::span<const std::uint8_t> request) {
    return MakeAnswer(Command::Acknowledge, request, {});
}

std::vector<std::uint8_t> ResendRequest(std::span<const std::uint8_t> request) {
    return MakeAnswer(Command::ResendRequest, request, {});
}

std::span<const std::uint8_t> PayloadOf(std::span<const std::uint8_t> frame) {
    return frame.subspan(frame::kHeaderSize, frame.size() - frame::kOverhead);
}

bool IsHandshakeReport(const HidReport& report) {
    for (std::size_t i = 1; i < report.size(); ++i) {
        if (report[i] != (i % 2 == 1 ? kHandshakeFirst : kHandshakeSecond)) {
            return false;
        }
    }
    return true;
}

}  // namespace

SimulatedProcessor::SimulatedProcessor() : memory_{FactoryImage()} {
    SetFaults(SimFaults{});
}

std::vector<std::vector<std::uint8_t>> SimulatedProcessor::Receive(
    std::span<const std::uint8_t> bytes) {
    std::vector<std::vector<std::uint8_t>> answers;
    bool restarted = false;
    std::function<void()> onRestart;
    {
        std::lock_guard lock(mutex_);
        for (const auto& frame : assembler_.Feed(bytes)) {
            bool frameRestarted = false;
            auto answer = Answer(frame, frameRestarted);
            if (!answer.empty()) {
                answers.push_back(std::move(answer));
            }
            restarted = restarted || frameRestarted;
        }
        if (restarted) {
            assembler_.Reset();  // whatever followed the start step went to the old program
            onRestart = onRestart_;
        }
    }
    // Outside the lock: the handler may unplug the device, which reaches back into it.
    if (onRestart) {
        onRestart();
    }
    return answers;
}

std::vector<HidReport> SimulatedProcessor::ReceiveReport(const HidReport& report) {
    if (IsHandshakeReport(report)) {
        std::lock_guard lock(mutex_);
        ++firmware_.handshakeReports;
        return {};
    }
    std::vector<HidReport> reports;
    for (const auto& answer : Receive(std::span(report).subspan(1))) {
        for (std::size_t at = 0; at < answer.size(); at += kReportPayload) {
            HidReport piece{};
            const auto count = std::min(kReportPayload, answer.size() - at);
            std::copy_n(answer.begin() + static_cast<std::ptrdiff_t>(at), count, piece.begin() + 1);
            reports.push_back(piece);
        }
    }
    return reports;
}

std::vector<std::uint8_t> SimulatedProcessor::Answer(const AssembledFrame& frame, bool& restarted) {
    const std::span<const std::uint8_t> bytes = frame.bytes;
    if (frame.intact) {
        received_.push_back(frame.bytes);
    }
    const bool isWrite = bytes.size() > frame::kCommand &&
                         bytes[frame::kCommand] == static_cast<std::uint8_t>(Command::Write);
    if (isWrite && faults_.writesBeforeSilence == 0) {
        faults_.silent = true;
    }
    if (faults_.silent) {
        return {};
    }
    if (isWrite && faults_.writesBeforeSilence > 0) {
        --faults_.writesBeforeSilence;
    }
    std::vector<std::uint8_t> answer;
    if (!frame.intact) {
        answer = ResendRequest(bytes);
    } else if (faults_.resendRequests > 0) {
        --faults_.resendRequests;
        answer = ResendRequest(bytes);
    } else if (bytes[frame::kCommand] == static_cast<std::uint8_t>(Command::Write)) {
        answer = AnswerWrite(bytes, restarted);
    } else if (bytes[frame::kCommand] == static_cast<std::uint8_t>(Command::ReadRequest)) {
        answer = AnswerRead(bytes);
    } else {
        answer = Acknowledge(bytes);  // not a host command; taken and ignored
    }
    if (faults_.wrongChecksum) {
        answer[answer.size() - 2] ^= 0xFF;
    }
    return answer;
}

std::vector<std::uint8_t> SimulatedProcessor::AnswerWrite(std::span<const std::uint8_t> frame,
                                                          bool& restarted) {
    const int preset = frame[frame::kPreset];
    const int blockType = frame[frame::kBlockType];
    const int channel = frame[frame::kChannel];
    const auto payload = PayloadOf(frame);

    if (blockType == static_cast<int>(BlockType::System)) {
        if (channel >= kStepStart && channel <= kStepDspBlock) {
            return FirmwareStep(frame, restarted);
        }
        StoreSystemField(channel, preset, payload);
        return Acknowledge(frame);
    }
    // Writes that address nothing (bad channel, slot or length) are acknowledged and dropped.
    if (const auto type = RecordBlockType(blockType)) {
        std::span<std::uint8_t> target;
        if (payload.size() == kSlotSize) {
            target = memory_.Slot(preset, *type, channel, frame[frame::kSlot]);
        } else {
            target = memory_.Block(preset, *type, channel);
        }
        // Stored exactly as received: protected output blocks stay scrambled, with marker.
        if (target.size() == payload.size()) {
            std::copy(payload.begin(), payload.end(), target.begin());
        }
    }
    return Acknowledge(frame);
}

void SimulatedProcessor::StoreSystemField(int systemId, int preset,
                                          std::span<const std::uint8_t> payload) {
    using namespace system_id;
    switch (systemId) {
        case kFactoryReset: {
            const auto factory = FactoryImage();
            std::copy(factory.Live().begin(), factory.Live().end(), memory_.Live().begin());
            return;
        }
        case kStatusList:
        case kVersionTag:
        case kDeviceInformation:
        case kUnstored52:
            return;  // the processor reports these; writes do not change them
        default:
            break;
    }
    const auto field = memory_.SystemField(systemId, preset);
    std::copy_n(payload.begin(), std::min(payload.size(), field.size()), field.begin());
    if (systemId == kSystemSettings) {
        memory_.StatusList()[kSourceStatusEntry] = memory_.SystemSettings()[0];
    }
}

std::vector<std::uint8_t> SimulatedProcessor::FirmwareStep(std::span<const std::uint8_t> frame,
                                                           bool& restarted) {
    const auto payload = PayloadOf(frame);
    switch (frame[frame::kChannel]) {
        case kStepStart: {
            // The loader starts afresh; the handshake count and restarts are kept.
            FirmwareReceived fresh;
            fresh.handshakeReports = firmware_.handshakeReports;
            fresh.restarts = firmware_.restarts + 1;
            firmware_ = std::move(fresh);
            restarted = true;
            break;
        }
        case kStepErase:
            firmware_.erased = true;
            firmware_.dsp.clear();
            break;
        case kStepDspBlock: {
            if (payload.size() < kDspAddressSize) {
                return ResendRequest(frame);
            }
            const std::size_t address = ReadLe32(payload, 0);
            const auto data = payload.subspan(kDspAddressSize);
            if (address > kDspMemorySize || data.size() > kDspMemorySize - address) {
                return ResendRequest(frame);  // no such program memory; the host gives up
            }
            auto& dsp = firmware_.dsp;
            dsp.resize(std::max(dsp.size(), address + data.size()));
            std::copy(data.begin(), data.end(), dsp.begin() + static_cast<std::ptrdiff_t>(address));
            break;
        }
        case kStepMcuHeader:
            firmware_.mcuHeader.assign(payload.begin(), payload.end());
            break;
        case kStepMcuBlock:
            firmware_.mcu.insert(firmware_.mcu.end(), payload.begin(), payload.end());
            break;
        case kStepFinish:
            firmware_.checkByte = payload.empty() ? -1 : payload[0];
            firmware_.finished = true;
            break;
        default:
            break;
    }
    return Acknowledge(frame);
}

std::vector<std::uint8_t> SimulatedProcessor::AnswerRead(std::span<const std::uint8_t> frame) {
    if (faults_.emptyDataAnswer) {
        return MakeAnswer(Command::Data, frame, {});  // "needs new firmware": nothing done
    }
    const int preset = frame[frame::kPreset];
    const int blockType = frame[frame::kBlockType];
    const int channel = frame[frame::kChannel];
    const int mode = frame[frame::kSlot];

    std::vector<std::uint8_t> payload(kPlaceholderPayloadSize, 0);
    if (blockType == static_cast<int>(BlockType::System)) {
        payload = SystemFieldAnswer(channel, preset);
    } else if (const auto type = RecordBlockType(blockType)) {
        std::span<const std::uint8_t> block;
        if (mode == 0 && preset >= 1 && preset <= kPresetCount) {
            // Recall: the stored preset becomes the live tuning and its blocks come back live.
            const auto stored = memory_.Record(preset);
            std::copy(stored.begin(), stored.end(), memory_.Live().begin());
            block = memory_.Block(0, *type, channel);
        } else {
            block = memory_.Block(preset, *type, channel);
        }
        if (!block.empty()) {
            payload.assign(block.begin(), block.end());
        }
    }
    return MakeAnswer(Command::Data, frame, payload);
}

std::vector<std::uint8_t> SimulatedProcessor::SystemFieldAnswer(int systemId, int preset) const {
    using namespace system_id;
    switch (systemId) {
        case kStatusList: {
            std::vector<std::uint8_t> status;
            for (const auto entry : memory_.StatusList()) {
                status.push_back(static_cast<std::uint8_t>(entry));
            }
            return status;
        }
        case kVersionTag: {
            std::vector<std::uint8_t> tag(kVersionTagChars, kBlank);
            std::copy_n(faults_.versionTag.begin(),
                        std::min(faults_.versionTag.size(), kVersionTagChars), tag.begin());
            return tag;
        }
        case kUnstored52:
            return {0};
        case kLockBlock: {
            // Kept plain, sent scrambled; the host unscrambles what it receives.
            const auto field = memory_.SystemField(kLockBlock);
            std::vector<std::uint8_t> lock(field.begin(), field.end());
            for (auto& byte : lock) {
                byte ^= kProtectionMask;
            }
            return lock;
        }
        default:
            break;
    }
    const auto field = memory_.SystemField(systemId, preset);
    if (field.empty()) {
        return std::vector<std::uint8_t>(kPlaceholderPayloadSize, 0);
    }
    return {field.begin(), field.end()};
}

SimFaults SimulatedProcessor::Faults() const {
    std::lock_guard lock(mutex_);
    return faults_;
}

void SimulatedProcessor::SetFaults(const SimFaults& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
    // The memory's copy of the tag follows the identity the processor reports.
    auto tag = memory_.VersionTag();
    std::fill(tag.begin(), tag.end(), 0);
    std::copy_n(faults_.versionTag.begin(), std::min(faults_.versionTag.size(), kVersionTagChars),
                tag.begin());
}

void SimulatedProcessor::WithMemory(const std::function<void(ParameterImage&)>& use) {
    std::lock_guard lock(mutex_);
    use(memory_);
}

FirmwareReceived SimulatedProcessor::Firmware() const {
    std::lock_guard lock(mutex_);
    return firmware_;
}

std::vector<std::vector<std::uint8_t>> SimulatedProcessor::ReceivedFrames() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void SimulatedProcessor::ClearReceivedFrames() {
    std::lock_guard lock(mutex_);
    received_.clear();
}

void SimulatedProcessor::SetRestartHandler(std::function<void()> onRestart) {
    std::lock_guard lock(mutex_);
    onRestart_ = std::move(onRestart);
}

Status SimulatedProcessor::SaveState(const std::string& path) const {
    std::lock_guard lock(mutex_);
    return SaveImageFile(memory_, path);
}

Status SimulatedProcessor::LoadState(const std::string& path) {
    std::lock_guard lock(mutex_);
    return LoadImageFile(path, memory_);
}

std::uint64_t SimulatedProcessor::Claim() {
    std::lock_guard lock(mutex_);
    if (claim_ != 0) {
        return 0;
    }
    claim_ = nextClaim_++;
    return claim_;
}

void SimulatedProcessor::Release(std::uint64_t claim) {
    std::lock_guard lock(mutex_);
    if (claim != 0 && claim_ == claim) {
        claim_ = 0;
    }
}

}  // namespace corva::sim
