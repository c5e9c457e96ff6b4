// Notices from the transfer machinery to the front end, numbered as the window messages of
// the original desktop program so traces and logs stay comparable.
#pragma once

#include <functional>

namespace corva {

enum class NoticeId : int {
    OutputsReceived = 1134,      // output block 5 of the live record (or a recall); value = preset
    PresetsReceived = 1135,      // output block 5 of stored preset 15 arrived
    PositionsReceived = 1136,    // listening-position table (or settings byte 27) arrived
    StatusReceived = 1137,       // status list arrived; detail = number of status bytes
    BatchDone = 1174,            // a bulk transfer or a notify-on-answer frame completed
    UpdateStep = 1175,           // firmware update finished (detail = the finishing step)
    NetRetry = 1177,             // no TCP answer in time
    LinkFailed = 1178,           // transfer failure; value = the link kind when not USB
    DeviceNeedsFirmware = 1184,  // empty data answer
    VersionReceived = 1185,
    SystemReceived = 1186,
    // The engine's own, with no window message behind them.
    FirmwareStepAnswered = 1300,  // a firmware step was acknowledged; value = its code
    FirmwareErasing = 1301,       // the erase step went out; its answer takes long
    Progress = 1302,  // a numbered frame was answered (value = its index), for front ends
                      // that take progress through their notice queue
    TransferStopped = 1303,  // a transfer ran past a limit; value = TransferKind,
                             // detail = TransferLimit
};

struct Notice {
    NoticeId id;
    int value = 0;
    int detail = 0;
};

// Receives notices on whatever thread raised them; the GUI posts them to its own thread, the
// command-line tool queues them for its main thread.
using NoticeSink = std::function<void(const Notice&)>;

}  // namespace corva
