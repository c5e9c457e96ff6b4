#include "protocol/links/HidDeviceEnumerator.h"

#include <hidapi.h>

#include "protocol/links/HidLibrary.h"
#include "protocol/links/HidLink.h"

namespace corva {

std::vector<DeviceInfo> HidDeviceEnumerator::Enumerate() {
    std::vector<DeviceInfo> devices;
    if (!EnsureHidLibrary()) {
        return devices;
    }
    // An empty list comes back as a null pointer, which is not an error.
    hid_device_info* const first = hid_enumerate(0, 0);
    for (const hid_device_info* info = first; info != nullptr; info = info->next) {
        if (info->path == nullptr) {
            continue;
        }
        devices.push_back(DeviceInfo{
            .path = info->path,
            .vendorId = info->vendor_id,
            .productId = info->product_id,
            .releaseNumber = info->release_number,
        });
    }
    hid_free_enumeration(first);
    return devices;
}

std::unique_ptr<Link> HidDeviceEnumerator::MakeLink(const std::string& path) {
    return std::make_unique<HidLink>(path);
}

}  // namespace corva
