#include "transfer/ConnectionMessages.h"

#include <utility>

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
    // What happened, without the frame of the reason: also the English log line.
    UiText what;
    if (limit == TransferLimit::Deadline) {
        what = Tr("Connection", "%1 ran past its time limit").Arg(name);
    } else if (transfer == TransferKind::Single) {
        what = Tr("Connection", "the processor asked for one frame again more than %1 times")
                   .Arg(count);
    } else {
        what = Tr("Connection", "the processor asked for a frame of %1 again more than %2 times")
                   .Arg(name)
                   .Arg(count);
    }
    message.detail = what.In(UiLanguage::English);
    message.reason = Tr("Connection", "Stopped: %1.").Arg(std::move(what));
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
