#include "protocol/links/HidDeviceEnumerator.h"

#include <vector>

#include <gtest/gtest.h>

namespace corva {
namespace {

TEST(HidDeviceEnumeratorTest, EnumeratesWhateverIsPresentWithoutFailing) {
    HidDeviceEnumerator enumerator;
    for (const DeviceInfo& device : enumerator.Enumerate()) {
        EXPECT_FALSE(device.path.empty());
    }
}

TEST(HidLinkTest, MissingDeviceFailsToOpenAndClosedLinkRefusesTraffic) {
    HidDeviceEnumerator enumerator;
    const auto link = enumerator.MakeLink("/dev/corva-no-such-hidraw");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->kind(), LinkKind::Usb);
    EXPECT_EQ(link->Describe(), "USB /dev/corva-no-such-hidraw");

    const Status opened = link->Open();
    EXPECT_FALSE(opened.ok());
    EXPECT_NE(opened.message().english.find("/dev/corva-no-such-hidraw"), std::string::npos);
    EXPECT_FALSE(link->IsOpen());

    std::vector<std::uint8_t> report(65);
    EXPECT_FALSE(link->Write(report, 20).ok());
    std::size_t count = 7;
    EXPECT_EQ(link->Read(report, count, 20), ReadStatus::Failed);
    EXPECT_EQ(count, 0u);
}

}  // namespace
}  // namespace corva
