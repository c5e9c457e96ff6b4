// A protect or an unlock whose link dies after any of its frames, against the simulated
// processor: what was sent is read back the right way, no impossible value is shown or sent,
// the state says the change did not finish, and the next protect, unlock or reset repairs it.
#include <gtest/gtest.h>

#include "commands/AbCompare.h"
#include "commands/DeviceLock.h"
#include "model/ChannelEditor.h"
#include "model/OutputBlockLimits.h"
#include "transfer/EngineHarness.h"

namespace corva {
namespace {

constexpr const char* kPassword = "246810";
constexpr int kLockFrames = 7;  // the live name, then the six output blocks

class InterruptedLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        processor = devices.Plug("dsp");
        ASSERT_TRUE(Reconnect());
        ChannelEditor editor(engine.session);
        editor.SetGain(3, 420);
        editor.SetBandGainDb(1, 4, 7.5);
        editor.SetCrossoverFrequency(5, CrossoverFilter::HighPass, 80);
        ASSERT_TRUE(engine.WaitQueueIdle());
        // One full round trip first, so the reference is what the model sends.
        ASSERT_FALSE(lock.Protect(kPassword));
        ASSERT_FALSE(lock.Unlock(kPassword));
        ASSERT_TRUE(engine.WaitQueueIdle());
        ASSERT_TRUE(Reconnect());
        tuning = ShownTuning();
    }

    bool Reconnect() {
        engine.controller.Disconnect();
        return engine.controller.ConnectToPath("dsp").ok() && engine.WaitSynchronised();
    }

    // The six output blocks as the program holds them, without block 0's marker and password.
    std::vector<std::uint8_t> ShownTuning() {
        std::lock_guard hold(engine.session.engine().sendLock);
        std::vector<std::uint8_t> bytes;
        for (int channel = 0; channel < kOutputChannelCount; ++channel) {
            const auto block = engine.session.engine().image.Block(0, BlockType::Output, channel);
            EXPECT_EQ(ValuesOutsideLimits(block), 0) << "channel " << channel;
            const auto end = channel == 0 ? output_block::kProtectionMarker : block.size();
            bytes.insert(bytes.end(), block.begin(),
                         block.begin() + static_cast<std::ptrdiff_t>(end));
        }
        return bytes;
    }

    // Runs `change` with a processor that takes `writes` write frames and then falls silent.
    void Interrupt(int writes, const std::function<void()>& change) {
        auto faults = processor->Faults();
        faults.writesBeforeSilence = writes;
        processor->SetFaults(faults);
        change();
        ASSERT_TRUE(engine.PumpUntil(
            [&] { return !engine.controller.online() || engine.session.NothingLeftToSend(); }));
        processor->SetFaults(sim::SimFaults{});
        ASSERT_TRUE(Reconnect());
    }

    sim::SimDeviceEnumerator devices;
    test::SharedInUseMarkers inUse;
    std::shared_ptr<sim::SimulatedProcessor> processor;
    test::Engine engine{devices, inUse, test::FailFastTiming()};
    DeviceLock lock{engine.session, engine.controller};
    std::vector<std::uint8_t> tuning;
};

TEST_F(InterruptedLockTest, EveryBlockBoundaryInBothDirectionsIsReadBackRightAndRepaired) {
    for (const bool protecting : {true, false}) {
        for (int writes = 0; writes <= kLockFrames; ++writes) {
            SCOPED_TRACE((protecting ? "protect stopped after " : "unlock stopped after ") +
                         std::to_string(writes) + " frames");
            if (lock.isProtected() == protecting) {  // the starting state, completely sent
                ASSERT_FALSE(protecting ? lock.Unlock(kPassword) : lock.Protect(kPassword));
                ASSERT_TRUE(engine.WaitQueueIdle());
                ASSERT_TRUE(Reconnect());
            }
            Interrupt(writes, [&] {
                EXPECT_FALSE(protecting ? lock.Protect(kPassword) : lock.Unlock(kPassword));
            });
            // The name frame and block 0 (last) change nothing that is read as protection.
            const bool done = writes == kLockFrames;
            const bool midway = writes > 1 && !done;
            EXPECT_EQ(lock.isProtected(), protecting == done);
            EXPECT_EQ(lock.unfinished(), midway);
            EXPECT_EQ(ShownTuning(), tuning);
            if (midway) {
                // Repaired by doing it again.
                EXPECT_FALSE(protecting ? lock.Protect(kPassword) : lock.Unlock(kPassword));
                ASSERT_TRUE(engine.WaitQueueIdle());
                ASSERT_TRUE(Reconnect());
                EXPECT_FALSE(lock.unfinished());
                EXPECT_EQ(lock.isProtected(), protecting);
                EXPECT_EQ(ShownTuning(), tuning);
            }
        }
    }
}

TEST_F(InterruptedLockTest, AResetOrAnUnlockRepairsAHalfProtectedProcessor) {
    Interrupt(3, [&] { EXPECT_FALSE(lock.Protect(kPassword)); });
    ASSERT_TRUE(lock.unfinished());
    ASSERT_FALSE(lock.isProtected());
    EXPECT_FALSE(lock.Unlock("000000"));  // open tuning: no password to check
    ASSERT_TRUE(engine.WaitQueueIdle());
    ASSERT_TRUE(Reconnect());
    EXPECT_FALSE(lock.unfinished());
    EXPECT_EQ(ShownTuning(), tuning);

    Interrupt(4, [&] { EXPECT_FALSE(lock.Protect(kPassword)); });
    ASSERT_TRUE(lock.unfinished());
    EXPECT_FALSE(lock.Reset());
    ASSERT_TRUE(engine.WaitQueueIdle());
    ASSERT_TRUE(Reconnect());
    EXPECT_FALSE(lock.unfinished());
    EXPECT_FALSE(lock.isProtected());
    std::lock_guard hold(engine.session.engine().sendLock);
    EXPECT_EQ(engine.session.engine().model.output(3).gainCode(), kChannelGainCodeDefault);
}

}  // namespace
}  // namespace corva
