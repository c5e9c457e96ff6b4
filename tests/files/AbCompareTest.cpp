// A/B comparison against a simulated processor: a switch sends one whole transfer (the live
// name and the six output blocks) and flips back to the byte; it is one undo step; it keeps a
// safety copy first and stops, sending nothing, when that copy cannot be written.
#include <gtest/gtest.h>

#include "commands/AbCompare.h"
#include "commands/DeviceLock.h"
#include "files/ConnectedProcessorTest.h"
#include "model/TuningHistory.h"

namespace corva {
namespace {

using test::Bytes;
using test::Engine;

class AbCompareTest : public test::ConnectedProcessorTest {
protected:
    // Two different tunings kept as A and B; B is live.
    void KeepTwoTunings(AbCompare& ab) {
        editor.SetBandGainDb(0, 3, 6.0);
        editor.SetGain(5, 420);
        Settle();
        ASSERT_TRUE(ab.KeepAs(AbSlot::A).ok());
        tuningA = LiveOfProcessor();
        editor.SetBandGainDb(0, 3, -3.0);
        editor.SetCrossoverFrequency(2, CrossoverFilter::HighPass, 150);
        editor.LinkPair(1, LinkDirection::LeftToRight);
        Settle();
        ASSERT_TRUE(ab.KeepAs(AbSlot::B).ok());
        tuningB = LiveOfProcessor();
        ASSERT_NE(tuningA, tuningB);
    }

    Bytes tuningA;
    Bytes tuningB;
};

TEST_F(AbCompareTest, ASwitchSendsOneWholeTransferAndFlipsBackExactly) {
    TuningSnapshots snapshots(folder.PathOf("snapshots"));
    AbCompare ab(engine.session, engine.controller.bulk(), &snapshots);
    KeepTwoTunings(ab);
    EXPECT_EQ(ab.live(), AbSlot::B);

    processor->ClearReceivedFrames();
    const auto toA = ab.Switch();
    ASSERT_TRUE(toA.status.ok());
    EXPECT_EQ(toA.progressRange, 7);
    Settle();
    EXPECT_EQ(WritesSent(),
              (std::vector<std::string>{"9/0", "4/1", "4/2", "4/3", "4/4", "4/5", "4/0"}));
    EXPECT_EQ(ab.live(), AbSlot::A);
    EXPECT_EQ(LiveOfProcessor(), tuningA);
    EXPECT_FALSE(editor.IsPairLinked(1));

    ASSERT_TRUE(ab.Switch().status.ok());
    Settle();
    EXPECT_EQ(LiveOfProcessor(), tuningB);
    EXPECT_TRUE(editor.IsPairLinked(1));
    // A safety copy before each switch.
    ASSERT_EQ(snapshots.List().size(), 2u);
    EXPECT_EQ(snapshots.List()[0].reason, SnapshotReason::AbSwitch);
}

TEST_F(AbCompareTest, ASwitchIsOneUndoStep) {
    AbCompare ab(engine.session, engine.controller.bulk());
    KeepTwoTunings(ab);
    ASSERT_TRUE(ab.Switch().status.ok());
    Settle();
    TuningHistory history(engine.session);
    EXPECT_EQ(history.UndoName()->In(UiLanguage::English), "A/B switch");
    ASSERT_TRUE(history.Undo());
    Settle();
    EXPECT_EQ(LiveOfProcessor(), tuningB);
    ASSERT_TRUE(history.Redo());
    Settle();
    EXPECT_EQ(LiveOfProcessor(), tuningA);
}

TEST_F(AbCompareTest, AnEmptySlotOrAFailedSafetyCopySendsNothing) {
    test::ScratchFolder::Write(folder.PathOf("blocked"), {1});
    TuningSnapshots snapshots(folder.PathOf("blocked"));
    AbCompare ab(engine.session, engine.controller.bulk(), &snapshots);
    ASSERT_TRUE(ab.KeepAs(AbSlot::A).ok());
    EXPECT_FALSE(ab.Switch().status.ok());  // B is empty
    KeepTwoTunings(ab);
    processor->ClearReceivedFrames();
    const auto refused = ab.Switch();
    EXPECT_FALSE(refused.status.ok());
    EXPECT_NE(refused.status.message().In(UiLanguage::English).find("safety copy"),
              std::string::npos);
    Settle();
    EXPECT_TRUE(WritesSent().empty());
    EXPECT_EQ(ab.live(), AbSlot::B);
    EXPECT_EQ(LiveOfProcessor(), tuningB);
}

// The slots never hold protected tuning nor bring it back: keeping is refused while
// protected, and protect, unlock and reset of the lock empty both slots.
TEST_F(AbCompareTest, TheSlotsNeverCarryTuningAcrossTheLock) {
    AbCompare ab(engine.session, engine.controller.bulk());
    DeviceLock lock(engine.session, engine.controller);
    KeepTwoTunings(ab);
    ASSERT_FALSE(lock.Protect("135790"));
    Settle();
    EXPECT_FALSE(ab.Has(AbSlot::A));
    EXPECT_FALSE(ab.Has(AbSlot::B));
    EXPECT_FALSE(ab.KeepAs(AbSlot::A).ok());
    EXPECT_FALSE(ab.Has(AbSlot::A));

    // A reset without the password must not let a slot send the protected tuning back.
    ASSERT_FALSE(lock.Reset());
    Settle();
    const Bytes afterReset = LiveOfProcessor();
    processor->ClearReceivedFrames();
    EXPECT_FALSE(ab.Switch().status.ok());
    Settle();
    EXPECT_TRUE(WritesSent().empty());
    EXPECT_EQ(LiveOfProcessor(), afterReset);

    KeepTwoTunings(ab);
    ASSERT_FALSE(lock.Protect("135790"));
    ASSERT_FALSE(lock.Unlock("135790"));
    EXPECT_FALSE(ab.Has(AbSlot::A));
    EXPECT_FALSE(ab.Has(AbSlot::B));
}

}  // namespace
}  // namespace corva
