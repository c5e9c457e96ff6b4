// The engine over real stream links against the simulated processor: TCP on loopback and a
// serial line on a pseudo-terminal, with the real socket and serial classes.
#include <gtest/gtest.h>

#include "model/ChannelEditor.h"
#include "protocol/FrameLayout.h"
#include "protocol/links/SerialLink.h"
#include "protocol/links/TcpLink.h"
#include "sim/StreamServer.h"
#include "transfer/EngineHarness.h"

namespace corva {
namespace {

using sim::SimulatedProcessor;
using sim::StreamServer;

int CountOf(const std::vector<std::vector<std::uint8_t>>& frames, int blockType, int id) {
    return static_cast<int>(std::count_if(frames.begin(), frames.end(), [&](const auto& frame) {
        return frame[frame::kBlockType] == blockType && frame[frame::kChannel] == id;
    }));
}

class StreamEndToEndTest : public ::testing::Test {
protected:
    std::shared_ptr<SimulatedProcessor> processor = std::make_shared<SimulatedProcessor>();
    StreamServer server{processor};
    sim::SimDeviceEnumerator noUsb;
    test::SharedInUseMarkers inUse;

    void SetFaults(const std::function<void(sim::SimFaults&)>& change) {
        auto faults = processor->Faults();
        change(faults);
        processor->SetFaults(faults);
    }
    LinkMaker Tcp() {
        return [port = server.port()] { return std::make_unique<TcpLink>("127.0.0.1", port); };
    }
    LinkMaker Serial() {
        return [path = server.ptyPath()] { return std::make_unique<SerialLink>(path); };
    }
    // Connects, reads everything and sends one edit; the edit must reach the processor.
    void ConnectReadAndEdit(test::Engine& engine, LinkMaker link) {
        ASSERT_TRUE(engine.controller.ConnectStream(std::move(link)).ok());
        ASSERT_TRUE(engine.WaitSynchronised());
        EXPECT_EQ(CountOf(processor->ReceivedFrames(), 4, 5), 1);  // the six blocks were read
        ChannelEditor(engine.session).SetPolarity(3, Polarity::Inverted);
        ASSERT_TRUE(engine.PumpUntil([&] {
            for (const auto& frame : processor->ReceivedFrames()) {
                if (frame[frame::kCommand] == 0xA1 && frame[frame::kSlot] == 31 &&
                    frame[frame::kHeaderSize + 1] == 1) {
                    return true;
                }
            }
            return false;
        }));
        engine.controller.Disconnect();
    }
};

TEST_F(StreamEndToEndTest, TcpLoopbackEvenWithAnswersInOneBytePieces) {
    SetFaults([](sim::SimFaults& faults) { faults.pieceSize = 1; });
    ASSERT_TRUE(server.StartTcp("127.0.0.1", 0).ok());
    test::Engine engine(noUsb, inUse);
    ConnectReadAndEdit(engine, Tcp());
}

TEST_F(StreamEndToEndTest, TcpReconnectsTwiceThenFails) {
    SetFaults([](sim::SimFaults& faults) { faults.silent = true; });
    ASSERT_TRUE(server.StartTcp("127.0.0.1", 0).ok());
    test::Engine engine(noUsb, inUse, test::FailFastTiming());
    ASSERT_TRUE(engine.controller.ConnectStream(Tcp()).ok());
    ASSERT_TRUE(engine.PumpUntil([&] { return !engine.messages.empty(); }, 15000));
    EXPECT_EQ(engine.messages[0].text.In(UiLanguage::Chinese), "     连接失败!    ");
    EXPECT_EQ(engine.messages[0].style, MessageStyle::Plain);
    EXPECT_FALSE(engine.controller.online());
    // The version request went out once per connection: the first and two reconnections.
    EXPECT_EQ(CountOf(processor->ReceivedFrames(), 9, 4), 3);
}

TEST_F(StreamEndToEndTest, TcpRefusedConnectionFailsAtOnce) {
    test::Engine engine(noUsb, inUse);
    ASSERT_TRUE(server.StartTcp("127.0.0.1", 0).ok());
    const auto port = server.port();
    server.Stop();
    EXPECT_FALSE(engine.controller
                     .ConnectStream([port] { return std::make_unique<TcpLink>("127.0.0.1", port); })
                     .ok());
    EXPECT_FALSE(engine.controller.online());
}

#ifdef __unix__
TEST_F(StreamEndToEndTest, SerialLineOnAPseudoTerminal) {
    ASSERT_TRUE(server.StartPty().ok());
    test::Engine engine(noUsb, inUse);
    ConnectReadAndEdit(engine, Serial());
}

TEST_F(StreamEndToEndTest, SerialResendsAGarbledAnswerThenFailsAfterTheFourthWrite) {
    SetFaults([](sim::SimFaults& faults) { faults.wrongChecksum = true; });
    ASSERT_TRUE(server.StartPty().ok());
    test::Engine engine(noUsb, inUse, test::FailFastTiming());
    ASSERT_TRUE(engine.controller.ConnectStream(Serial()).ok());
    ASSERT_TRUE(engine.PumpUntil([&] { return !engine.messages.empty(); }));
    EXPECT_EQ(engine.messages[0].text.In(UiLanguage::Chinese),
              "连接失败  请检查COM线缆是否插好或重启计算机和设备后再尝试连接!");
    EXPECT_EQ(CountOf(processor->ReceivedFrames(), 9, 4), 4);
}
#endif

}  // namespace
}  // namespace corva
