#include "protocol/links/DeviceTransfer.h"

#include <algorithm>

#include <QDeadlineTimer>

namespace corva {

std::optional<QString> WriteWhole(QIODevice& device, std::span<const std::uint8_t> bytes,
                                  int timeoutMs) {
    const auto size = static_cast<qint64>(bytes.size());
    if (device.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        return device.errorString();
    }
    const QDeadlineTimer deadline{std::max(timeoutMs, 0)};
    while (device.bytesToWrite() > 0) {
        // Every successful wait moves at least one byte, so this ends.
        if (!device.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
            return device.errorString();
        }
    }
    return std::nullopt;
}

ReadStatus TakeArrived(QIODevice& device, std::span<std::uint8_t> buffer, std::size_t& count) {
    const qint64 got =
        device.read(reinterpret_cast<char*>(buffer.data()), static_cast<qint64>(buffer.size()));
    if (got < 0) {
        return ReadStatus::Failed;
    }
    if (got == 0) {
        return ReadStatus::Timeout;
    }
    count = static_cast<std::size_t>(got);
    return ReadStatus::Data;
}

}  // namespace corva
