#include "protocol/QueuedFrame.h"

#include <algorithm>
#include <utility>

namespace corva {

QueuedFrame::QueuedFrame(std::vector<std::uint8_t> frame, int frameCode)
    : code{frameCode}, data_{std::move(frame)} {}

bool QueuedFrame::nextReport(HidReport& report) {
    if (position >= data_.size()) {
        return false;
    }
    report.fill(0);
    const std::size_t count = std::min(report.size() - 1, data_.size() - position);
    std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(position), count, report.begin() + 1);
    position += count;
    return true;
}

}  // namespace corva
