#include "protocol/links/SerialLink.h"

#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "links/OnWorker.h"
#include "support/Hex.h"

namespace corva {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kWaitLimitMs = 5000;  // only reached when a test fails

// A pseudo-terminal pair: the link opens the terminal end by its path, the test plays the
// processor on the master end.
class SerialLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[256] = {};
        ASSERT_EQ(::openpty(&master_, &terminal_, name, nullptr, nullptr), 0);
        path_ = name;
    }
    void TearDown() override {
        if (master_ >= 0) {
            ::close(master_);
        }
        ::close(terminal_);
    }

    void MasterWrite(const Bytes& bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    Bytes MasterRead(std::size_t size) {
        Bytes bytes;
        pollfd waiting{master_, POLLIN, 0};
        while (bytes.size() < size && ::poll(&waiting, 1, kWaitLimitMs) == 1) {
            std::uint8_t chunk[64];
            const ssize_t n = ::read(master_, chunk, sizeof chunk);
            if (n <= 0) {
                break;
            }
            bytes.insert(bytes.end(), chunk, chunk + n);
        }
        return bytes;
    }

    // Blocks until bytes from the master wait unread on the terminal side.
    bool TerminalHasInput() {
        pollfd waiting{terminal_, POLLIN, 0};
        return ::poll(&waiting, 1, kWaitLimitMs) == 1;
    }

    int master_ = -1;
    int terminal_ = -1;
    std::string path_;
};

Bytes ReadBytes(Link& link, std::size_t size) {
    Bytes collected;
    std::uint8_t buffer[150];
    std::size_t count = 0;
    while (collected.size() < size && link.Read(buffer, count, kWaitLimitMs) == ReadStatus::Data) {
        collected.insert(collected.end(), buffer, buffer + count);
    }
    return collected;
}

TEST_F(SerialLinkTest, WritesFramesAndReadsAnswersUnchangedAfterATimeout) {
    // Bytes a terminal in cooked mode would change: CR, LF, XON/XOFF, interrupt, EOF, DEL.
    const Bytes frame = test::FromHex("71 71 71 EE A1 0D 0A 11 13 03 04 7F FF");
    const Bytes answer = test::FromHex("71 71 71 EE 51 0A 0D 13 11 1A 00 FF");
    SerialLink link{path_};
    test::RunOnWorker([&] {
        ASSERT_TRUE(link.Open().ok());
        std::uint8_t buffer[150];
        std::size_t count = 99;
        EXPECT_EQ(link.Read(buffer, count, 20), ReadStatus::Timeout);  // leaves the port usable
        EXPECT_EQ(count, 0u);

        ASSERT_TRUE(link.Write(frame, 1000).ok());
        EXPECT_EQ(test::ToHex(MasterRead(frame.size())), test::ToHex(frame));
        MasterWrite(answer);
        EXPECT_EQ(test::ToHex(ReadBytes(link, answer.size())), test::ToHex(answer));
        link.Close();
    });
}

TEST_F(SerialLinkTest, DiscardInputDropsBytesNotYetRead) {
    SerialLink link{path_};
    test::RunOnWorker([&] {
        ASSERT_TRUE(link.Open().ok());
        MasterWrite(test::FromHex("51 51 51"));
        ASSERT_TRUE(TerminalHasInput());
        link.DiscardInput();
        MasterWrite(test::FromHex("71 71 71 EE 53"));
        EXPECT_EQ(test::ToHex(ReadBytes(link, 5)), "71 71 71 EE 53");
        link.Close();
    });
}

TEST_F(SerialLinkTest, ReadFailsWhenTheOtherEndGoesAway) {
    SerialLink link{path_};
    test::RunOnWorker([&] {
        ASSERT_TRUE(link.Open().ok());
        ::close(master_);
        master_ = -1;
        std::uint8_t buffer[150];
        std::size_t count = 0;
        EXPECT_EQ(link.Read(buffer, count, kWaitLimitMs), ReadStatus::Failed);
        link.Close();
    });
}

TEST(SerialLinkClosedTest, MissingPortFailsToOpenAndClosedLinkRefusesTraffic) {
    SerialLink link{"/dev/corva-no-such-port"};
    test::RunOnWorker([&] {
        const Status opened = link.Open();
        EXPECT_FALSE(opened.ok());
        EXPECT_NE(opened.message().In(UiLanguage::English).find("/dev/corva-no-such-port"),
                  std::string::npos);
        EXPECT_FALSE(opened.message().In(UiLanguage::Chinese).empty());
        EXPECT_FALSE(link.IsOpen());

        const Bytes frame = test::FromHex("71 71 71 EE");
        EXPECT_FALSE(link.Write(frame, 100).ok());
        std::uint8_t buffer[150];
        std::size_t count = 0;
        EXPECT_EQ(link.Read(buffer, count, 100), ReadStatus::Failed);
        link.DiscardInput();
    });
    EXPECT_EQ(link.Describe(), "COM /dev/corva-no-such-port");
}

}  // namespace
}  // namespace corva
