// Every time limit of the transfer machinery in one place. The program always uses the real
// values; tests may pass a scaled copy so failure paths run in milliseconds.
#pragma once

namespace corva {

struct Timing {
    int cyclePauseMs = 10;          // between worker cycles while connected
    int usbReportWriteMs = 20;      // per report written (normal mode)
    int usbReportReadMs = 4000;     // per report read
    int usbCycleLimitMs = 3000;     // a whole answer over USB
    int zeroReportWaitMs = 10;      // after an empty report
    int tcpConnectMs = 1000;
    int tcpAnswerLimitMs = 2000;    // a whole answer over TCP
    int tcpRetryPauseMs = 500;      // before reconnecting
    int tcpAfterConnectMs = 1000;   // after reconnecting
    int tcpRetries = 2;             // reconnections before the failure
    int comAnswerWaitMs = 500;      // one wait for a serial answer
    int comBulkEndWaitMs = 2000;    // the same at the end of a bulk transfer
    int comWrites = 4;              // writes of one frame before the failure
    int batchDoneDelayMs = 1000;    // before bulk busy is cleared
    // A bulk transfer's overall limit: a fixed part and a part per frame, far above what a
    // processor that answers at all needs (a slow serial line takes a tenth of it).
    int transferBaseMs = 10000;
    int transferPerFrameMs = 1000;
    // Firmware update.
    int firmwareReportWriteMs = 5;
    int firmwareCycleLimitMs = 10000;
    int handshakeBurstMs = 1000;
    int handshakeReportPauseMs = 5;
    int handshakePauseMs = 2000;
    int restartReopenDelayMs = 3000;  // after the start step the device restarts
    int firmwareIdleMs = 50;          // nothing left to send in firmware mode
    int connectForUpdateMs = 10000;   // how long an update waits for the processor
    int connectForUpdateRetryMs = 50;
    // Answer limits of the firmware steps.
    int firmwareStartReadMs = 3000;    // '6'
    int firmwareHeaderReadMs = 8000;   // '7' and '<'
    int firmwareBlockReadMs = 2000;    // '8' and '9'
    int firmwareEraseReadMs = 30000;   // ':'
    int firmwareDspReadMs = 10000;     // ';'

    // The overall limit of a bulk transfer of `frames` frames.
    int TransferLimitMs(int frames) const { return transferBaseMs + frames * transferPerFrameMs; }

    // The answer limit of a firmware step by its code.
    int FirmwareReadMs(int code) const;

    // The same limits divided by `factor` (at least 1 ms each), for tests.
    Timing ScaledDown(int factor) const;
};

}  // namespace corva
