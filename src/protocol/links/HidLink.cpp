#include "protocol/links/HidLink.h"

#include <algorithm>
#include <chrono>

#include <QString>

#include "protocol/QueuedFrame.h"
#include "protocol/links/LinkFailure.h"

namespace corva {
namespace {

bool Done(const std::future<int>& write) {
    return !write.valid() || write.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

}  // namespace

HidLink::HidLink(std::string path, HidPortOpener opener)
    : path_{std::move(path)}, opener_{std::move(opener)} {}

HidLink::~HidLink() {
    Close();
}

Status HidLink::Open() {
    Close();
    std::string error;
    port_ = opener_(path_, error);
    if (!port_) {
        return LinkFailure(Tr("Connection", "Cannot open %1").Arg(Describe()),
                           QString::fromStdString(error));
    }
    return Status::Ok();
}

void HidLink::Close() {
    if (pendingWrite_.valid()) {
        pendingWrite_.wait();  // the device must not go while the system still writes to it
        pendingWrite_ = {};
    }
    port_.reset();
}

Status HidLink::Write(std::span<const std::uint8_t> bytes, int timeoutMs) {
    if (!IsOpen()) {
        return LinkNotOpen(Describe());
    }
    if (bytes.size() > kHidReportSize) {
        return LinkFailure(Tr("Connection", "A report for %1 is too long").Arg(Describe()));
    }
    if (!Done(pendingWrite_)) {
        return LinkFailure(
            Tr("Connection", "%1 has not taken the previous report yet").Arg(Describe()));
    }
    HidReport report{};
    std::copy(bytes.begin(), bytes.end(), report.begin());
    pendingWrite_ = std::async(std::launch::async,
                               [port = port_.get(), report] { return port->Write(report); });
    if (pendingWrite_.wait_for(std::chrono::milliseconds(std::max(timeoutMs, 0))) !=
        std::future_status::ready) {
        return LinkFailure(Tr("Connection", "Writing to %1 took longer than %2 ms")
                               .Arg(Describe())
                               .Arg(std::to_string(timeoutMs)));
    }
    if (pendingWrite_.get() < 0) {
        return LinkFailure(Tr("Connection", "Writing to %1 failed").Arg(Describe()),
                           QString::fromStdString(port_->LastError()));
    }
    Trace(TraceDirection::Sent, report);
    return Status::Ok();
}

ReadStatus HidLink::Read(std::span<std::uint8_t> buffer, std::size_t& count, int timeoutMs) {
    count = 0;
    if (!IsOpen() || buffer.size() < kHidReportSize) {
        return ReadStatus::Failed;
    }
    // The device does not number its reports, so the library hands over the 64 data bytes
    // without a report number; put the 0 back in front to keep the report layout.
    HidReport report{};
    const int got = port_->Read(std::span<std::uint8_t>(report).subspan(1), timeoutMs);
    if (got < 0) {
        return ReadStatus::Failed;
    }
    if (got == 0) {
        return ReadStatus::Timeout;
    }
    std::copy(report.begin(), report.end(), buffer.begin());
    count = report.size();
    Trace(TraceDirection::Received, report);
    return ReadStatus::Data;
}

}  // namespace corva
