// Measuring and calibrating the virtual car through a connected simulated processor: solo by
// muting with the mute state put back exactly, alignment by arrival times, the fit to the
// target as one undo step, and a cancelled run that leaves the processor as it was.
#include <cmath>
#include <cstdio>

#include "ConnectedProcessorTest.h"
#include "commands/OneStepCalibration.h"
#include "sim/VirtualCarAudio.h"
#include "tuning/TargetCurves.h"

namespace corva::test {
namespace {

class CarCalibrationTest : public ConnectedProcessorTest {
protected:
    MeasureHooks Hooks() {
        MeasureHooks hooks;
        hooks.waitUntilSent = [this] {
            return engine.PumpUntil([&] { return engine.session.NothingLeftToSend(); }) &&
                   engine.WaitQueueIdle();
        };
        return hooks;
    }

    CalibrationRequest Request() const {
        CalibrationRequest request;
        request.measure.sweep.durationS = 0.5;
        request.target = tuning::FlatTarget();
        request.fit.lowHz = 30.0;
        request.fit.highHz = 16000.0;
        return request;
    }

    std::vector<int> OnFlags() {
        std::vector<int> on;
        for (const auto& output : engine.session.Snapshot().outputs) {
            on.push_back(output.on ? 1 : 0);
        }
        return on;
    }
};

TEST_F(CarCalibrationTest, AlignsAndFitsEveryChannelInOneUndoStepAndKeepsTheMutes) {
    // A user's tuning to start from: the centre muted, a delay on the left rear.
    editor.SetMuted(5, MuteState::Muted);
    editor.CommitDelay(2, 40);
    Settle();
    const std::vector<int> mutesBefore = OnFlags();
    const std::size_t stepsBefore = engine.session.engine().history.undoCount();

    sim::VirtualCarAudio audio(processor);
    const CalibrationOutcome outcome = CalibrateCar(engine.session, audio, Request(), Hooks());
    ASSERT_EQ(outcome.end, CalibrationEnd::Applied)
        << outcome.status.message().In(UiLanguage::English);
    ASSERT_TRUE(outcome.verified);
    EXPECT_TRUE(outcome.muteStateRestored);
    Settle();
    EXPECT_EQ(OnFlags(), mutesBefore);
    EXPECT_EQ(engine.session.engine().history.undoCount(), stepsBefore + 1);

    const double firstArrival = *outcome.channels[0].arrivalAfterMs;
    int latest = 0;
    for (const ChannelCalibration& c : outcome.channels) {
        std::printf("channel %d: delay %d, rms %.2f -> %.2f dB (predicted %.2f), arrival %.4f ms\n",
                    c.channel + 1, c.delayCode, c.before.rmsDb, c.after->rmsDb, c.predicted.rmsDb,
                    *c.arrivalAfterMs);
        EXPECT_LT(c.after->rmsDb, 1.5) << "channel " << c.channel + 1;
        EXPECT_LT(c.after->rmsDb, c.before.rmsDb) << "channel " << c.channel + 1;
        // Every output now arrives within one delay step of the others.
        EXPECT_NEAR(*c.arrivalAfterMs, firstArrival, 1.0 / 48.0) << "channel " << c.channel + 1;
        latest = c.delayCode == 0 ? c.channel : latest;
    }
    // The farthest speaker (the sub in the boot) gets no delay.
    EXPECT_EQ(latest, 4);
    EXPECT_EQ(engine.session.Snapshot().outputs[4].delayCode, 0);
}

TEST_F(CarCalibrationTest, ACancelledCalibrationLeavesTheProcessorByteIdentical) {
    editor.SetMuted(1, MuteState::Muted);
    Settle();
    const Bytes before = LiveOfProcessor();
    const std::size_t stepsBefore = engine.session.engine().history.undoCount();

    sim::VirtualCarAudio audio(processor);
    MeasureHooks hooks = Hooks();
    int sweeps = 0;
    hooks.progress = [&](int, int) { ++sweeps; };
    hooks.cancelled = [&] { return sweeps == 3; };
    const CalibrationOutcome outcome = CalibrateCar(engine.session, audio, Request(), hooks);
    EXPECT_EQ(outcome.end, CalibrationEnd::Cancelled);
    EXPECT_TRUE(outcome.muteStateRestored);
    Settle();
    EXPECT_EQ(LiveOfProcessor(), before);
    EXPECT_EQ(engine.session.engine().history.undoCount(), stepsBefore);

    // A sound card that fails mid-run ends it the same way.
    struct FailingAudio : audio::AudioSystem {
        std::vector<audio::AudioDeviceInfo> Devices() override { return {}; }
        audio::DuplexResult PlayAndRecord(const audio::DuplexRequest&) override {
            return {Status::Fail(UiText::Literal("unplugged")), {}};
        }
    } failing;
    const CalibrationOutcome failed = CalibrateCar(engine.session, failing, Request(), Hooks());
    EXPECT_EQ(failed.end, CalibrationEnd::Failed);
    Settle();
    EXPECT_EQ(LiveOfProcessor(), before);
}

// A sound card that cannot run at 48 kHz: the run takes its own rate, and the sweep and its
// analysis follow, so the arrival time comes out in real milliseconds.
TEST_F(CarCalibrationTest, ASoundCardWithoutFortyEightKilohertzIsMeasuredAtItsOwnRate) {
    struct CardAt44k : audio::AudioSystem {
        std::vector<audio::AudioDeviceInfo> Devices() override { return {}; }
        int RateFor(const std::string&, const std::string&) override { return 44100; }
        audio::DuplexResult PlayAndRecord(const audio::DuplexRequest& request) override {
            if (request.sampleRateHz != 44100) {
                return {Status::Fail(UiText::Literal("48 kHz is not supported")), {}};
            }
            // 10 ms of cable and air, at half the level.
            std::vector<double> recorded(static_cast<std::size_t>(request.recordSamples), 0.0);
            for (std::size_t n = 0; n < request.play.size() && n + 441 < recorded.size(); ++n) {
                recorded[n + 441] = 0.5 * request.play[n];
            }
            return {Status::Ok(), std::move(recorded)};
        }
    } card;
    MeasureRequest request;
    request.channels = {0};
    request.sweep.durationS = 0.5;
    const MeasureOutcome outcome = MeasureChannels(engine.session, card, request, Hooks());
    ASSERT_EQ(outcome.end, MeasureEnd::Done) << outcome.status.message().In(UiLanguage::English);
    EXPECT_NEAR(outcome.channels[0].meanArrivalMs, 10.0, 0.05);
    const auto& grid = GridFrequencies();
    for (std::size_t i = 0; i < grid.size(); ++i) {
        if (grid[i] >= 30.0 && grid[i] <= 16000.0) {
            EXPECT_NEAR(outcome.channels[0].response.levelsDb[i], -6.02, 0.5) << grid[i] << " Hz";
        }
    }
}

}  // namespace
}  // namespace corva::test
