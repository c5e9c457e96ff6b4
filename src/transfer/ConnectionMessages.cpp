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
        case LinkKind::Com:
            break;
    }
    return {{"Connection failure!",
             "连接失败  请检查COM线缆是否插好或重启计算机和设备后再尝试连接!"},
            MessageStyle::Plain, {}};
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
