// Music and mode files against a simulated processor over the in-process link: what the
// processor holds after a protected music file is loaded, and a mode file opened while
// connected keeping the processor's other listening positions.
#include <gtest/gtest.h>

#include "files/FileTestSupport.h"
#include "commands/ModeFileCommands.h"
#include "commands/MusicFileCommands.h"
#include "transfer/EngineHarness.h"

namespace corva {
namespace {

using test::Bytes;
using test::Engine;
using test::FillTable;
using test::FillTuning;
using test::ScratchFolder;

class DocumentEndToEndTest : public ::testing::Test {
protected:
    sim::SimDeviceEnumerator devices;
    test::SharedInUseMarkers inUse;
    ScratchFolder folder;
};

TEST_F(DocumentEndToEndTest, ProtectedMusicFileReachesTheProcessorWithItsOwnMarkerAndPassword) {
    TuningSession source;
    FillTuning(source, 5);
    source.engine().protection = {true, false, false, "246810"};
    const auto stored = StoreMusicFile(source, folder.PathOf("locked"));
    ASSERT_TRUE(stored.status.ok());
    const Bytes record = test::LiveBytes(source);

    auto processor = devices.Plug("dsp");
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.controller.ConnectToPath("dsp").ok());
    ASSERT_TRUE(engine.WaitSynchronised());
    {
        std::lock_guard lock(engine.session.engine().sendLock);
        engine.session.engine().protection.password = "000000";  // stale: must never reach the processor
    }

    const auto loaded = LoadMusicFile(engine.session, engine.controller.bulk(), stored.path);
    ASSERT_TRUE(loaded.status.ok());
    EXPECT_TRUE(loaded.sent);
    EXPECT_FALSE(loaded.editingEnabled);
    // What the processor must end up holding in its live output blocks: the file's record
    // scrambled, with the marker and the file's password (not the stale one) in block 0.
    Bytes expected(record.begin() + record::kFirstOutput, record.end());
    for (auto& byte : expected) {
        byte ^= 0x5C;
    }
    expected[288] = '!';
    const auto outputsOfProcessor = [&] {
        Bytes outputs;
        processor->WithMemory([&](ParameterImage& memory) {
            const auto live = memory.Live();
            outputs.assign(live.begin() + record::kFirstOutput, live.end());
        });
        return outputs;
    };
    ASSERT_TRUE(engine.PumpUntil([&] { return outputsOfProcessor() == expected; }));
    std::lock_guard lock(engine.session.engine().sendLock);
    EXPECT_TRUE(engine.session.engine().protection.isProtected);
    EXPECT_EQ(engine.session.engine().protection.password, "246810");
}

TEST_F(DocumentEndToEndTest, ModeFileOpenedWhileConnectedKeepsTheProcessorsOtherPositions) {
    TuningSession source;
    FillTable(source.engine().image.ListeningPositions(), 100, 2);
    const auto saved = SaveModeFile(source, folder.PathOf("seat"));
    ASSERT_TRUE(saved.status.ok());

    auto processor = devices.Plug("dsp");
    processor->WithMemory(
        [](ParameterImage& memory) { FillTable(memory.ListeningPositions(), 300, 0); });
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.controller.ConnectToPath("dsp").ok());
    ASSERT_TRUE(engine.WaitSynchronised());
    {
        std::lock_guard lock(engine.session.engine().sendLock);
        FillTable(engine.session.engine().image.ListeningPositions(), 900, 1);  // not the processor's
    }
    engine.notices.clear();

    const auto opened = OpenModeFile(engine.session, saved.path);
    ASSERT_TRUE(opened.status.ok());
    ASSERT_TRUE(opened.awaitingTable);
    // The front end completes the open on each BatchDone notice until it is done.
    std::size_t seen = 0;
    ASSERT_TRUE(engine.PumpUntil([&] {
        for (; seen < engine.notices.size(); ++seen) {
            if (engine.notices[seen] == NoticeId::BatchDone &&
                CompleteModeFileOpen(engine.session, opened.content) == ModeFileStep::Done) {
                return true;
            }
        }
        return false;
    }));
    // The processor's rows 0, 1 and 3 stay; row 2 and bytes 48 and 49 come from the file.
    Bytes wanted(kListeningTableSize);
    FillTable(std::span<std::uint8_t, kListeningTableSize>(wanted), 300, 2);
    for (int c = 0; c < 6; ++c) {
        WriteLe16(wanted, static_cast<std::size_t>(24 + 2 * c), 120 + c);
    }
    wanted[49] = 2;
    ASSERT_TRUE(engine.PumpUntil([&] {
        Bytes table;
        processor->WithMemory([&](ParameterImage& memory) {
            table.assign(memory.ListeningPositions().begin(), memory.ListeningPositions().end());
        });
        return table == wanted;
    }));
    EXPECT_EQ(test::TableBytes(engine.session), wanted);
}

}  // namespace
}  // namespace corva
