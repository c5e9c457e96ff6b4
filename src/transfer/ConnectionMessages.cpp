#include "transfer/ConnectionMessages.h"

#include <string_view>

namespace corva {

UserMessage ConnectionFailureMessage(LinkKind kind) {
    switch (kind) {
        case LinkKind::Usb:
            return {Tr("Connection", "Connection failure!", "USB link"), MessageStyle::Timed, {}};
        case LinkKind::Tcp:
            return {
                Tr("Connection", "Connection failure!", "network link"), MessageStyle::Plain, {}};
        case LinkKind::Serial:
            break;
    }
    return {Tr("Connection", "Connection failure!", "serial link"), MessageStyle::Plain, {}};
}

namespace {

UiText TransferName(TransferKind transfer) {
    switch (transfer) {
        case TransferKind::Single:
            break;
        case TransferKind::FullRead:
            return Tr("Connection", "the full read");
        case TransferKind::Recall:
            return Tr("Connection", "the preset recall");
        case TransferKind::Backup:
            return Tr("Connection", "the backup of the stored presets");
        case TransferKind::SendPreset:
            return Tr("Connection", "sending the preset");
        case TransferKind::SendAll:
            return Tr("Connection", "sending everything");
    }
    return Tr("Connection", "the transfer");  // a single frame
}

}  // namespace

UserMessage TransferStoppedMessage(LinkKind kind, TransferKind transfer, TransferLimit limit) {
    UserMessage message = ConnectionFailureMessage(kind);
    const UiText name = TransferName(transfer);
    const std::string count = std::to_string(kMaxResendRequests);
    if (limit == TransferLimit::Deadline) {
        message.reason = Tr("Connection", "Stopped: %1 ran past its time limit.").Arg(name);
    } else if (transfer == TransferKind::Single) {
        message.reason =
            Tr("Connection", "Stopped: the processor asked for one frame again more than %1 times.")
                .Arg(count);
    } else {
        message.reason = Tr("Connection",
                            "Stopped: the processor asked for a frame of %1 again more than %2 "
                            "times.")
                             .Arg(name)
                             .Arg(count);
    }
    // The log line is the English reason without its frame: "the full read ran past ...".
    std::string english = message.reason.In(UiLanguage::English);
    constexpr std::string_view kStopped = "Stopped: ";
    message.detail = english.substr(kStopped.size(), english.size() - kStopped.size() - 1);
    message.style = MessageStyle::Plain;  // a reason is read, not flashed
    return message;
}

UserMessage NoConnectionMessage() {
    return {Tr("Connection", "No connection can be opened"), MessageStyle::Timed, {}};
}

UserMessage ConnectFailedMessage() {
    return {Tr("Connection", "Connection failure!", "USB device in use"), MessageStyle::Timed, {}};
}

UserMessage NeedsFirmwareMessage() {
    return {Tr("Connection", "Please Update the Firmware!"), MessageStyle::Plain, {}};
}

UserMessage VersionMessage(char softwareMajor, char deviceMajor) {
    const std::string s(1, softwareMajor);
    const std::string d(1, deviceMajor);
    if (deviceMajor < softwareMajor) {
        return {Tr("Connection",
                   " If device version is lower than the software version, only the device at "
                   "version, DAZE-VE%1.01 to DAZE-VE%1.99, can be connected with this software.")
                    .Arg(s),
                MessageStyle::Plain,
                {}};
    }
    return {Tr("Connection",
               " If software version is lower than the device version, only the software at "
               "version, VERI-ZE%1.01 to VERI-ZE%1.99, can be connected with this device.")
                .Arg(d),
            MessageStyle::Plain,
            {}};
}

}  // namespace corva
