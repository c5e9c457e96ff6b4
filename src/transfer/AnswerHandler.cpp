#include "transfer/AnswerHandler.h"

#include <algorithm>

#include "core/ByteOrder.h"
#include "protocol/FrameLayout.h"

namespace corva {
namespace {

constexpr int kLastOutputChannel = kOutputChannelCount - 1;
constexpr std::size_t kStoredNameBytes = 13;      // the processor's names keep 13 characters
constexpr std::size_t kCurrentPositionByte = 48;  // of the listening-position table, 0..3

bool IsStoredPreset(int preset) {
    return preset >= 1 && preset <= kPresetCount;
}

std::string HeaderHex(std::span<const std::uint8_t> frame) {
    const auto decoded = DecodeFrameHeader(frame);
    return decoded ? decoded->header.Hex() : std::string("(short)");
}

}  // namespace

AnswerHandler::AnswerHandler(SessionState& session, NoticeSink notices)
    : session_{session}, notices_{std::move(notices)} {}

void AnswerHandler::SetProgressHook(ProgressHook hook) {
    std::lock_guard lock(hooksMutex_);
    progress_ = std::move(hook);
}

void AnswerHandler::SetLogSink(LogSink sink) {
    std::lock_guard lock(hooksMutex_);
    log_ = std::move(sink);
}

AnswerHandler::LinkEpoch AnswerHandler::BeginLink() {
    std::lock_guard lock(session_.sendLock);
    assembler_.Reset();
    lastRejected_ = false;
    return ++epoch_;
}

void AnswerHandler::EndLink() {
    std::lock_guard lock(session_.sendLock);
    assembler_.Reset();
    lastRejected_ = false;
    ++epoch_;
}

void AnswerHandler::ResetAssembler(LinkEpoch epoch) {
    std::lock_guard lock(session_.sendLock);
    if (!IsCurrentLinkLocked(epoch)) {
        return;
    }
    assembler_.Reset();
    lastRejected_ = false;
}

bool AnswerHandler::FeedUsbReport(const HidReport& report, LinkEpoch epoch) {
    return FeedStream(std::span<const std::uint8_t>(report).subspan(1), epoch);
}

bool AnswerHandler::FeedStream(std::span<const std::uint8_t> bytes, LinkEpoch epoch) {
    Deferred deferred;
    bool handled = false;
    {
        std::lock_guard lock(session_.sendLock);
        if (!IsCurrentLinkLocked(epoch)) {
            return false;  // a stopped worker's last read: its link is gone
        }
        lastRejected_ = false;
        while (!bytes.empty() && !handled) {
            std::size_t used = 0;
            const auto result = assembler_.Feed(bytes, used);
            bytes = bytes.subspan(used);
            if (result == ReceiveAssembler::Result::Accepted) {
                handled = HandleAnswer(deferred);  // what follows an answer is padding
                if (handled) {
                    break;
                }
            } else if (result == ReceiveAssembler::Result::Rejected) {
                lastRejected_ = true;  // look for a good answer in the rest
            } else {
                break;
            }
        }
    }
    Deliver(deferred);
    return handled;
}

void AnswerHandler::Deliver(const Deferred& deferred) const {
    ProgressHook progress;
    LogSink log;
    {
        std::lock_guard lock(hooksMutex_);
        progress = progress_;
        log = log_;
    }
    if (log) {
        for (const auto& line : deferred.log) {
            log(line);
        }
    }
    if (progress) {
        for (const int index : deferred.progress) {
            progress(index);
        }
    }
    if (notices_) {
        for (const auto& notice : deferred.notices) {
            notices_(notice);
        }
    }
}

AnswerHandler::Fit AnswerHandler::FitOf(const QueuedFrame* head,
                                        std::span<const std::uint8_t> answer) {
    if (!head || head->length() < frame::kHeaderSize ||
        head->code == frame_code::kFirmwareHandshake) {
        return Fit::Unmatched;  // nothing in flight that the processor answers
    }
    // Both decode: the head frame is at least a header long and the assembler passes only
    // complete frames.
    const FrameHeader request = DecodeFrameHeader(head->data())->header;
    const DecodedHeader reply = *DecodeFrameHeader(answer);
    const Command command = reply.header.command;
    switch (request.command) {
        case Command::Write:
            if (command == Command::Acknowledge) {
                return Fit::Acknowledges;
            }
            return command == Command::ResendRequest ? Fit::AsksResend : Fit::Unmatched;
        case Command::ReadRequest: {
            if (command == Command::ResendRequest) {
                return Fit::AsksResend;
            }
            if (command != Command::Data) {
                return Fit::Unmatched;
            }
            // A processor that needs new firmware answers with no payload at all; nothing is
            // filed from it, so its header is not checked.
            if (reply.payloadLength == 0) {
                return Fit::NeedsFirmware;
            }
            // The processor echoes preset, block type, channel and mode of the request.
            return reply.header.AddressesSameAs(request) ? Fit::CarriesData : Fit::Unmatched;
        }
        default:
            return Fit::Unmatched;
    }
}

bool AnswerHandler::HandleAnswer(Deferred& deferred) {
    const auto answer = assembler_.frame();
    QueuedFrame* head = session_.queue.front();
    const Fit fit = FitOf(head, answer);

    if (fit == Fit::Unmatched) {
        ++unmatchedAnswers_;
        deferred.log.push_back("answer " + HeaderHex(answer) + " fits no frame in flight" +
                               (head ? " (waiting for " + HeaderHex(head->data()) + ")"
                                     : std::string(" (nothing sent)")));
        assembler_.Reset();
        return false;  // the right answer may still come
    }

    bool keepHead = false;
    switch (fit) {
        case Fit::Acknowledges:
            break;
        case Fit::AsksResend:
            head->position = 0;  // written again from its first byte by the next cycle
            ++head->resendRequests;  // the worker gives up past kMaxResendRequests
            keepHead = true;
            break;
        case Fit::NeedsFirmware:
            needsFirmware = true;
            deferred.notices.push_back({NoticeId::DeviceNeedsFirmware});
            keepHead = true;
            break;
        case Fit::CarriesData:
            FileData(answer, deferred.notices, keepHead);
            break;
        case Fit::Unmatched:
            break;
    }
    assembler_.Reset();
    ++answersHandled;
    if (keepHead) {
        return true;
    }

    // The frame is done: its progress and the end of its batch are told only now, so a
    // resend request for the last frame cannot end a batch early.
    if (head->notifyOnAnswer) {
        deferred.notices.push_back({NoticeId::BatchDone});
    } else if (head->code != frame_code::kOrdinary) {
        deferred.notices.push_back({NoticeId::FirmwareStepAnswered, head->code});
    } else if (head->progressIndex != kNotNumbered) {
        deferred.progress.push_back(head->progressIndex);
        if (head->FullyWrittenOverUsb() && (head->endsStage || head->endsBulk)) {
            deferred.notices.push_back({NoticeId::BatchDone});
        }
    }
    session_.queue.popFront();
    return true;
}

void AnswerHandler::FileData(std::span<const std::uint8_t> answer, std::vector<Notice>& notices,
                             bool& keepHead) {
    const DecodedHeader decoded = *DecodeFrameHeader(answer);  // a complete frame
    const int preset = decoded.header.preset;
    const auto blockType = static_cast<BlockType>(decoded.header.blockType);
    const int channel = decoded.header.channel;
    const int mode = decoded.header.slot;
    const auto payload = answer.subspan(frame::kHeaderSize, decoded.payloadLength);

    const int target = mode == frame::kStoreMarker && IsStoredPreset(preset) ? preset : 0;
    switch (blockType) {
        case BlockType::FirstInput:
        case BlockType::Effect:
            return;  // input block 1 and the effect area are never read back
        case BlockType::SecondInput:
        case BlockType::Output: {
            auto block = session_.image.Block(target, blockType, channel);
            std::copy_n(payload.begin(), std::min(block.size(), payload.size()), block.begin());
            if (blockType == BlockType::Output && channel == kLastOutputChannel) {
                if (mode != frame::kStoreMarker) {
                    notices.push_back({NoticeId::OutputsReceived, preset});
                } else if (preset == 0) {
                    notices.push_back({NoticeId::OutputsReceived, 0});
                } else if (preset == kPresetCount) {
                    notices.push_back({NoticeId::PresetsReceived, kPresetCount});
                }
            }
            return;
        }
        case BlockType::System:
            FileSystemField(channel, preset, payload, notices);
            return;
        default:
            keepHead = true;  // an answer nobody asked for in this form
            return;
    }
}

void AnswerHandler::FileSystemField(int systemId, int preset, std::span<const std::uint8_t> payload,
                                    std::vector<Notice>& notices) {
    auto& image = session_.image;
    const auto copyInto = [&](std::span<std::uint8_t> field) {
        std::copy_n(payload.begin(), std::min(field.size(), payload.size()), field.begin());
    };
    const auto blankOutside = [](std::span<std::uint8_t> text, std::uint8_t low,
                                 std::uint8_t high) {
        for (auto& byte : text) {
            if (byte < low || byte > high) {
                byte = kBlank;
            }
        }
    };
    switch (systemId) {
        case system_id::kPresetName:
        case system_id::kEffectName: {
            if (systemId == system_id::kEffectName && preset != 0) {
                return;
            }
            auto name = image.SystemField(systemId, IsStoredPreset(preset) ? preset : 0);
            const std::size_t count = std::min(kStoredNameBytes, payload.size());
            std::copy_n(payload.begin(), count, name.begin());
            std::fill(name.begin() + static_cast<std::ptrdiff_t>(count), name.begin() + 15, kBlank);
            if (systemId == system_id::kEffectName) {
                blankOutside(name.first(15), 0x20, 0x7F);
            }
            return;
        }
        case system_id::kSystemSettings:
            copyInto(image.SystemSettings());
            notices.push_back({NoticeId::SystemReceived});
            return;
        case system_id::kStatusList: {
            // Entries beyond the list's 20 are dropped.
            auto status = image.StatusList();
            const std::size_t count = std::min(status.size(), payload.size());
            for (std::size_t i = 0; i < count; ++i) {
                status[i] = payload[i];
            }
            notices.push_back({NoticeId::StatusReceived, 0, static_cast<int>(payload.size())});
            return;
        }
        case system_id::kVersionTag:
            copyInto(image.VersionTag().first(11));
            notices.push_back({NoticeId::VersionReceived});
            return;
        case system_id::kInformationText: {
            auto text = image.SystemField(systemId);
            copyInto(text);
            blankOutside(text, 0x20, 0xFF);
            return;
        }
        case system_id::kDeviceCode: {
            auto settings = image.SystemField(systemId);
            copyInto(settings);
            blankOutside(settings.subspan(1), 0x20, 0x7F);
            return;
        }
        case system_id::kLockBlock: {
            auto lock = image.LockBlock();
            copyInto(lock);
            for (auto& byte : lock) {
                byte ^= kProtectionMask;
            }
            return;
        }
        case system_id::kSettingsByte27:
            copyInto(image.SystemField(systemId));
            notices.push_back({NoticeId::PositionsReceived});
            return;
        case system_id::kListeningPositions: {
            auto table = image.ListeningPositions();
            copyInto(table);
            table[kCurrentPositionByte] = std::min<std::uint8_t>(table[kCurrentPositionByte], 3);
            notices.push_back({NoticeId::PositionsReceived});
            return;
        }
        case system_id::kMainVolume:
        case system_id::kDeviceInformation:
        case system_id::kSettingsByte7:
        case system_id::kSettingsByte25:
        case system_id::kSettingsByte26:
        case system_id::kResponseSetting:
            copyInto(image.SystemField(systemId));
            return;
        default:
            if (systemId >= system_id::kFirstSettingsByteId &&
                systemId <= system_id::kLastSettingsByteId) {
                copyInto(image.SystemField(systemId));
            }
            return;  // 21, 52 and ids without a field: consumed, nothing stored
    }
}

}  // namespace corva
