#include "protocol/links/HidLink.h"

#include <algorithm>

#include <hidapi.h>
#include <QString>

#include "protocol/SendData.h"
#include "protocol/links/HidLibrary.h"
#include "protocol/links/LinkFailure.h"

namespace corva {
namespace {

QString LibraryError(hid_device* device) {
    const wchar_t* text = hid_error(device);
    return text ? QString::fromWCharArray(text) : QString{};
}

}  // namespace

HidLink::HidLink(std::string path) : path_{std::move(path)} {}

HidLink::~HidLink() {
    Close();
}

Status HidLink::Open() {
    Close();
    if (!EnsureHidLibrary()) {
        return LinkFailure("The USB HID library could not start", "USB HID 库无法启动");
    }
    device_ = hid_open_path(path_.c_str());
    if (device_ == nullptr) {
        return LinkFailure("Cannot open " + Describe(), "无法打开 " + Describe(),
                           LibraryError(nullptr));
    }
    return Status::Ok();
}

void HidLink::Close() {
    if (device_ != nullptr) {
        hid_close(device_);
        device_ = nullptr;
    }
}

Status HidLink::Write(std::span<const std::uint8_t> bytes, int /*timeoutMs*/) {
    if (!IsOpen()) {
        return LinkNotOpen(Describe());
    }
    if (bytes.size() > kHidReportSize) {
        return LinkFailure("A report for " + Describe() + " is too long",
                           "发往 " + Describe() + " 的报告过长");
    }
    HidReport report{};
    std::copy(bytes.begin(), bytes.end(), report.begin());
    if (hid_write(device_, report.data(), report.size()) < 0) {
        return LinkFailure("Writing to " + Describe() + " failed", "写入 " + Describe() + " 失败",
                           LibraryError(device_));
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
    const int got =
        hid_read_timeout(device_, report.data() + 1, report.size() - 1, std::max(timeoutMs, 0));
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
