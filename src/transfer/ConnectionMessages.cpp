#include "transfer/ConnectionMessages.h"

namespace corva {

UserMessage ConnectionFailureMessage(LinkKind kind) {
    switch (kind) {
        case LinkKind::Usb:
            return {{"Connection failure!",
                     "连接失败  请检查USB线缆是否插好或重启计算机和设备后再尝试连接!"},
                    MessageStyle::Timed, {}};
        case LinkKind::Tcp:
            return {{"Connection failure!", "     连接失败!    "}, MessageStyle::Plain, {}};
        case LinkKind::Serial:
            break;
    }
    return {{"Connection failure!",
             "连接失败  请检查COM线缆是否插好或重启计算机和设备后再尝试连接!"},
            MessageStyle::Plain, {}};
}

namespace {

UiText TransferName(TransferKind transfer) {
    switch (transfer) {
        case TransferKind::Single:
            break;
        case TransferKind::FullRead:
            return {"the full read", "完整读取"};
        case TransferKind::Recall:
            return {"the preset recall", "调用预设"};
        case TransferKind::Backup:
            return {"the backup of the stored presets", "备份已存预设"};
        case TransferKind::SendPreset:
            return {"sending the preset", "发送预设"};
        case TransferKind::SendAll:
            return {"sending everything", "发送全部"};
    }
    return {"the transfer", "传输"};  // a single frame
}

}  // namespace

UserMessage TransferStoppedMessage(LinkKind kind, TransferKind transfer, TransferLimit limit) {
    UserMessage message = ConnectionFailureMessage(kind);
    const UiText name = TransferName(transfer);
    const std::string count = std::to_string(kMaxResendRequests);
    if (limit == TransferLimit::Deadline) {
        message.detail = name.english + " ran past its time limit";
        message.reason.chinese = "已停止：" + name.chinese + "超过了时限。";
    } else {
        const bool single = transfer == TransferKind::Single;
        message.detail = "the processor asked for " +
                         (single ? std::string("one frame") : "a frame of " + name.english) +
                         " again more than " + count + " times";
        message.reason.chinese = "已停止：" + (single ? std::string("一帧") : name.chinese + "中的一帧") +
                                 "被处理器要求重发超过" + count + "次。";
    }
    message.reason.english = "Stopped: " + message.detail + ".";
    message.style = MessageStyle::Plain;  // a reason is read, not flashed
    return message;
}

UserMessage NoConnectionMessage() {
    return {{"No connection can be opened", "没有连接可以打开"}, MessageStyle::Timed, {}};
}

UserMessage ConnectFailedMessage() {
    return {{"Connection failure!", "连接失败  请检查USB线缆是否插好或\n该设备已经连接上了另一软件!"},
            MessageStyle::Timed, {}};
}

UserMessage NeedsFirmwareMessage() {
    return {{"Please Update the Firmware!", "设备异常 请更新固件!!"}, MessageStyle::Plain, {}};
}

UserMessage VersionMessage(char softwareMajor, char deviceMajor) {
    const std::string s(1, softwareMajor);
    const std::string d(1, deviceMajor);
    if (deviceMajor < softwareMajor) {
        return {{" If device version is lower than the software version, only the device at "
                 "version, DAZE-VE" + s + ".01 to DAZE-VE" + s +
                     ".99, can be connected with this software.",
                 "设备版本比PC软件版本号低，只有版本号为“DAZE-VE" + s + ".01到DAZE-VE" + s +
                     ".99”之间的设备才能和该版本的PC软件连接。"},
                MessageStyle::Plain, {}};
    }
    return {{" If software version is lower than the device version, only the software at "
             "version, VERI-ZE" + d + ".01 to VERI-ZE" + d +
                 ".99, can be connected with this device.",
             "PC软件版本比设备版本号低，只有版本号为“VERI-ZE" + d + ".01到VERI-ZE" + d +
                 ".99”之间的PC软件才能和该版本的设备连接。"},
            MessageStyle::Plain, {}};
}

}  // namespace corva
