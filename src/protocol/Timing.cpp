#include "protocol/Timing.h"

#include <algorithm>

namespace corva {

Timing Timing::ScaledDown(int factor) const {
    Timing scaled = *this;
    for (int* limit : {&scaled.cyclePauseMs,
                       &scaled.usbReportWriteMs,
                       &scaled.usbReportReadMs,
                       &scaled.usbCycleLimitMs,
                       &scaled.zeroReportWaitMs,
                       &scaled.tcpConnectMs,
                       &scaled.tcpAnswerLimitMs,
                       &scaled.tcpRetryPauseMs,
                       &scaled.tcpAfterConnectMs,
                       &scaled.comAnswerWaitMs,
                       &scaled.comBulkEndWaitMs,
                       &scaled.batchDoneDelayMs,
                       &scaled.transferBaseMs,
                       &scaled.transferPerFrameMs,
                       &scaled.firmwareReportWriteMs,
                       &scaled.firmwareCycleLimitMs,
                       &scaled.handshakeBurstMs,
                       &scaled.handshakeReportPauseMs,
                       &scaled.handshakePauseMs,
                       &scaled.restartReopenDelayMs,
                       &scaled.firmwareIdleMs,
                       &scaled.connectForUpdateMs,
                       &scaled.connectForUpdateRetryMs,
                       &scaled.firmwareStartReadMs,
                       &scaled.firmwareHeaderReadMs,
                       &scaled.firmwareBlockReadMs,
                       &scaled.firmwareEraseReadMs,
                       &scaled.firmwareDspReadMs}) {
        *limit = std::max(1, *limit / std::max(1, factor));
    }
    return scaled;
}

int Timing::FirmwareReadMs(int code) const {
    switch (code) {
        case 0x36:
            return firmwareStartReadMs;
        case 0x37:
        case 0x3C:
            return firmwareHeaderReadMs;
        case 0x38:
        case 0x39:
            return firmwareBlockReadMs;
        case 0x3A:
            return firmwareEraseReadMs;
        case 0x3B:
            return firmwareDspReadMs;
        default:
            return usbReportReadMs;
    }
}

}  // namespace corva
