#include "protocol/Timing.h"

#include <algorithm>

namespace corva {

Timing Timing::ScaledDown(int factor) const {
    Timing scaled = *this;
    for (int* limit : {&scaled.cyclePauseMs, &scaled.usbReportWriteMs, &scaled.usbReportReadMs,
                       &scaled.usbCycleLimitMs, &scaled.zeroReportWaitMs, &scaled.tcpConnectMs,
                       &scaled.tcpAnswerLimitMs, &scaled.tcpRetryPauseMs,
                       &scaled.tcpAfterConnectMs, &scaled.comAnswerWaitMs,
                       &scaled.comBulkEndWaitMs, &scaled.failurePauseMs, &scaled.batchDoneDelayMs,
                       &scaled.firmwareReportWriteMs, &scaled.firmwareCycleLimitMs,
                       &scaled.handshakeBurstMs, &scaled.handshakeReportPauseMs,
                       &scaled.handshakePauseMs, &scaled.restartReopenDelayMs}) {
        *limit = std::max(1, *limit / std::max(1, factor));
    }
    return scaled;
}

}  // namespace corva
