#include "protocol/links/HidDevicePort.h"

#include <algorithm>

#include <hidapi.h>
#include <QString>

#include "protocol/links/HidLibrary.h"

namespace corva {
namespace {

std::string LibraryError(hid_device* device) {
    const wchar_t* text = hid_error(device);
    return text ? QString::fromWCharArray(text).toStdString() : std::string{};
}

class SystemHidPort final : public HidDevicePort {
public:
    explicit SystemHidPort(hid_device* device) : device_{device} {}
    ~SystemHidPort() override { hid_close(device_); }
    SystemHidPort(const SystemHidPort&) = delete;
    SystemHidPort& operator=(const SystemHidPort&) = delete;

    int Write(std::span<const std::uint8_t> report) override {
        return hid_write(device_, report.data(), report.size());
    }
    int Read(std::span<std::uint8_t> into, int timeoutMs) override {
        return hid_read_timeout(device_, into.data(), into.size(), std::max(timeoutMs, 0));
    }
    std::string LastError() const override { return LibraryError(device_); }

private:
    hid_device* device_;
};

}  // namespace

HidPortOpener SystemHidPorts() {
    return [](const std::string& path, std::string& error) -> std::unique_ptr<HidDevicePort> {
        if (!EnsureHidLibrary()) {
            error = "the USB HID library could not start";
            return nullptr;
        }
        hid_device* device = hid_open_path(path.c_str());
        if (device == nullptr) {
            error = LibraryError(nullptr);
            return nullptr;
        }
        return std::make_unique<SystemHidPort>(device);
    };
}

}  // namespace corva
