// The byte moves the serial and network links share: both are blocking Qt devices.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include <QIODevice>
#include <QString>

#include "protocol/Link.h"

namespace corva {

// Writes all of `bytes` and waits until the device has sent them, within `timeoutMs` in all;
// the device's error text when it could not.
std::optional<QString> WriteWhole(QIODevice& device, std::span<const std::uint8_t> bytes,
                                  int timeoutMs);

// Takes what has arrived (after the caller's wait) into `buffer`.
ReadStatus TakeArrived(QIODevice& device, std::span<std::uint8_t> buffer, std::size_t& count);

}  // namespace corva
