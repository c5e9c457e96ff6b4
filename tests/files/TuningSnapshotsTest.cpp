// Safety copies of the tuning: one restores the processor's live tuning to the byte after a
// recall replaced it, only the newest are kept, and a copy that cannot be written says so.
#include <gtest/gtest.h>

#include "commands/MachinePresets.h"
#include "commands/TuningSnapshots.h"
#include "files/FileTestSupport.h"
#include "model/ChannelEditor.h"
#include "transfer/EngineHarness.h"

namespace corva {
namespace {

using test::Bytes;
using test::Engine;

TEST(TuningSnapshotsTest, ASnapshotRestoresTheLiveTuningToTheByteAfterARecall) {
    sim::SimDeviceEnumerator devices;
    test::SharedInUseMarkers inUse;
    test::ScratchFolder folder;
    auto processor = devices.Plug("dsp");
    Engine engine(devices, inUse);
    ASSERT_TRUE(engine.controller.ConnectToPath("dsp").ok());
    ASSERT_TRUE(engine.WaitSynchronised());
    ChannelEditor editor(engine.session);
    editor.SetBandGainDb(1, 8, -5.5);
    editor.SetCrossoverFrequency(4, CrossoverFilter::LowPass, 120);
    editor.SetGain(3, 450);
    ASSERT_TRUE(engine.PumpUntil([&] { return engine.session.NothingLeftToSend(); }));
    const auto liveOfProcessor = [&] {
        Bytes live;
        processor->WithMemory([&](ParameterImage& memory) {
            live.assign(memory.Live().begin(), memory.Live().begin() + kNameFieldSize);
            live.insert(live.end(), memory.Live().begin() + record::kFirstOutput,
                        memory.Live().end());
        });
        return live;
    };
    const Bytes before = liveOfProcessor();

    TuningSnapshots snapshots(folder.PathOf("snapshots"));
    ASSERT_TRUE(snapshots.KeepLive(engine.session, SnapshotReason::Recall).ok());
    MachinePresets presets(engine.session, engine.controller);
    ASSERT_FALSE(presets.Load(2));
    ASSERT_TRUE(engine.WaitSynchronised());
    ASSERT_TRUE(engine.PumpUntil([&] { return engine.session.NothingLeftToSend(); }));
    ASSERT_NE(liveOfProcessor(), before);

    const auto list = snapshots.List();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].reason, SnapshotReason::Recall);
    EXPECT_EQ(list[0].preset, 0);
    const auto loaded = LoadMusicFile(engine.session, engine.controller.bulk(), list[0].path);
    ASSERT_TRUE(loaded.status.ok());
    ASSERT_TRUE(loaded.sent);
    EXPECT_TRUE(engine.PumpUntil([&] { return liveOfProcessor() == before; }));
}

TEST(TuningSnapshotsTest, OnlyTheNewestAreKeptNewestFirst) {
    test::ScratchFolder folder;
    TuningSession session;
    TuningSnapshots snapshots(folder.PathOf("kept"), 3);
    const SnapshotReason reasons[] = {SnapshotReason::Recall, SnapshotReason::LoadFile,
                                      SnapshotReason::Store, SnapshotReason::FactoryReset,
                                      SnapshotReason::AbSwitch};
    for (const auto reason : reasons) {
        ASSERT_TRUE(snapshots.KeepLive(session, reason).ok());
    }
    test::ScratchFolder::Write(folder.PathOf("kept/notes.wkcs"), {1});  // not one of ours
    const auto list = snapshots.List();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].reason, SnapshotReason::AbSwitch);
    EXPECT_EQ(list[1].reason, SnapshotReason::FactoryReset);
    EXPECT_EQ(list[2].reason, SnapshotReason::Store);
    EXPECT_TRUE(snapshots.Find(list[1].id));
    EXPECT_FALSE(snapshots.Find("20000101-000000-000-recall"));
}

TEST(TuningSnapshotsTest, ACopyThatCannotBeWrittenNamesTheFileAndWhy) {
    test::ScratchFolder folder;
    test::ScratchFolder::Write(folder.PathOf("blocked"), {1});  // a file where the folder goes
    TuningSession session;
    TuningSnapshots snapshots(folder.PathOf("blocked"));
    const Status kept = snapshots.KeepLive(session, SnapshotReason::FactoryReset);
    ASSERT_FALSE(kept.ok());
    EXPECT_NE(kept.message().english.find(folder.PathOf("blocked")), std::string::npos);
    EXPECT_TRUE(snapshots.List().empty());
    const UiText shown = SnapshotFailedMessage(SnapshotReason::FactoryReset, kept.message());
    EXPECT_NE(shown.english.find("before factory reset"), std::string::npos);
}

}  // namespace
}  // namespace corva
