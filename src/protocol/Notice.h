// Notices from the transfer machinery to the front end, numbered as the window messages of
// the original desktop program so traces and logs stay comparable.
#pragma once

#include <functional>

namespace corva {

enum class NoticeId : int {
    OutputsReceived = 1134,    // output block 5 of the live record (or a recall) arrived
    PresetsReceived = 1135,    // output block 5 of stored preset 15 arrived
    PositionsReceived = 1136,  // listening-position table (or settings byte 27) arrived
    StatusReceived = 1137,     // status list arrived; lParam = number of status bytes
    BatchDone = 1174,          // a bulk transfer or a notify-on-answer frame completed
    UpdateStep = 1175,         // firmware update finished (lParam 57)
    NetRetry = 1177,           // no TCP answer in time; wParam = retry count
    LinkFailed = 1178,         // transfer failure
    UsbReopen = 1179,          // close and reopen the USB device
    StartupConnect = 1180,
    DeviceNeedsFirmware = 1184,  // empty data answer
    VersionReceived = 1185,
    SystemReceived = 1186,
};

struct Notice {
    NoticeId id;
    int wParam = 0;
    int lParam = 0;
};

// Receives notices on whatever thread raised them; the GUI posts them to its own thread, the
// command-line tool queues them for its main thread.
using NoticeSink = std::function<void(const Notice&)>;

}  // namespace corva
