// The connection-failure messages of the preset, lock and preset-file commands name the link
// actually in use: over TCP or a serial line they are not the USB cable's text. The links are
// the real ones, against the simulated processor on loopback and on a pseudo-terminal.
#include <gtest/gtest.h>

#include "commands/DeviceLock.h"
#include "commands/MachinePresets.h"
#include "commands/PresetFileCommands.h"
#include "files/JsonPresetWriter.h"
#include "files/JsonTestSupport.h"
#include "protocol/links/SerialLink.h"
#include "protocol/links/TcpLink.h"
#include "sim/StreamServer.h"
#include "transfer/EngineHarness.h"

namespace corva {
namespace {

class LinkInMessagesTest : public ::testing::Test {
protected:
    // Connects over the link, reads everything and lets the link go; then every command that
    // needs the processor is refused with the message of that link, and changes nothing.
    void ExpectRefusalsName(LinkMaker link, LinkKind kind) {
        const UserMessage expected = ConnectionFailureMessage(kind);
        ASSERT_TRUE(engine.controller.ConnectStream(std::move(link)).ok());
        ASSERT_TRUE(engine.WaitSynchronised());
        DeviceLock lock(engine.session, engine.controller);
        ASSERT_FALSE(lock.Protect("135246"));  // over this link, it works
        ASSERT_TRUE(engine.WaitQueueIdle());
        engine.controller.Disconnect();
        EXPECT_EQ(engine.controller.linkKind(), kind);

        const auto before = test::Snapshot(engine.session.engine().image);
        MachinePresets presets(engine.session, engine.controller);
        PresetFileCommands files(engine.session, engine.controller);

        const auto unlock = lock.Unlock("135246");
        ASSERT_TRUE(unlock);
        EXPECT_EQ(unlock->text, expected.text);
        EXPECT_EQ(unlock->style, expected.style);
        EXPECT_EQ(lock.Reset()->text, expected.text);
        EXPECT_EQ(presets.SaveAs(2, "Linked", PresetRules::ConnectedQuietly)->text, expected.text);
        EXPECT_EQ(files.StoreAllPresets(folder.File("all")).message->text, expected.text);

        EXPECT_TRUE(test::Snapshot(engine.session.engine().image) == before);
        EXPECT_TRUE(lock.isProtected());
        EXPECT_TRUE(engine.session.engine().queue.empty());
    }

    std::shared_ptr<sim::SimulatedProcessor> processor =
        std::make_shared<sim::SimulatedProcessor>();
    sim::StreamServer server{processor};
    sim::SimDeviceEnumerator noUsb;
    test::SharedInUseMarkers inUse;
    test::Engine engine{noUsb, inUse};
    test::ScratchFolder folder;
};

TEST_F(LinkInMessagesTest, OverTcpTheMessagesAreTheNetworksOwn) {
    EXPECT_EQ(ConnectionFailureMessage(LinkKind::Tcp).text.In(UiLanguage::Chinese),
              "     连接失败!    ");
    ASSERT_TRUE(server.StartTcp("127.0.0.1", 0).ok());
    ExpectRefusalsName(
        [port = server.port()] { return std::make_unique<TcpLink>("127.0.0.1", port); },
        LinkKind::Tcp);
}

#ifdef __unix__
TEST_F(LinkInMessagesTest, OverASerialLineTheMessagesNameTheComCable) {
    EXPECT_EQ(ConnectionFailureMessage(LinkKind::Serial).text.In(UiLanguage::Chinese),
              "连接失败  请检查COM线缆是否插好或重启计算机和设备后再尝试连接!");
    ASSERT_TRUE(server.StartPty().ok());
    ExpectRefusalsName([path = server.ptyPath()] { return std::make_unique<SerialLink>(path); },
                       LinkKind::Serial);
}
#endif

}  // namespace
}  // namespace corva
