// The edit API in engineering units, snapshots and change events, as front ends use them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <thread>

#include "core/ByteOrder.h"
#include "dsp/values/EntryLimits.h"
#include "model/ChannelEditor.h"

namespace corva {
namespace {

class EditApiTest : public ::testing::Test {
protected:
    void SetUp() override {
        session.SetEventSink([this](const SessionEvent& event) {
            // A sink may read the session at once: events are raised outside the lock.
            lastSnapshot = session.Snapshot();
            events.push_back(event);
        });
    }
    void Link(int left, int right) { session.engine().image.LinkGroups()[right] = left; }

    TuningSession session;
    ChannelEditor editor{session};
    std::vector<SessionEvent> events;
    TuningSnapshot lastSnapshot;
};

TEST_F(EditApiTest, TypedValuesAreLimitedAndReturnedAsApplied) {
    EXPECT_DOUBLE_EQ(editor.SetGainDb(0, 3.0), 0.0);
    EXPECT_DOUBLE_EQ(editor.SetGainDb(0, -75.0), -60.0);
    EXPECT_NEAR(editor.SetGainDb(0, -3.47), -3.5, 1e-9);

    EXPECT_EQ(editor.SetBandFrequency(1, 4, 25000.0), 20000);
    EXPECT_EQ(editor.SetBandFrequency(1, 4, 3.0), 20);
    EXPECT_EQ(editor.SetBandFrequency(1, 4, 99.6), 100);
    EXPECT_NEAR(editor.SetBandGainDb(1, 4, 33.0), 20.0, 1e-9);
    EXPECT_NEAR(editor.SetBandGainDb(1, 4, -4.04), -4.0, 1e-9);
    EXPECT_DOUBLE_EQ(editor.SetBandQ(1, 4, 5.0), 4.966);  // the nearest step not above it
    EXPECT_DOUBLE_EQ(editor.SetBandQ(1, 4, 1000.0), 28.852);

    EXPECT_EQ(editor.SetCrossoverFrequency(2, CrossoverFilter::LowPass, 1e9), 20000);
    EXPECT_EQ(editor.SetCrossoverFrequency(2, CrossoverFilter::LowPass, 500.0), 500);
    // A high-pass above the low-pass is replaced by the low-pass frequency.
    EXPECT_EQ(editor.SetCrossoverFrequency(2, CrossoverFilter::HighPass, 800.0), 500);

    EXPECT_EQ(editor.SetMainVolumeDb(std::nullopt), 0);
    EXPECT_EQ(editor.SetMainVolumeDb(7.0), 66);
    EXPECT_EQ(editor.SetMainVolumeDb(-12.9), 47);  // truncated: -12 dB shown
    EXPECT_EQ(MainVolumeDb(47), -13);

    const TuningSnapshot tuning = session.Snapshot();
    EXPECT_EQ(tuning.outputs[0].gainCode, 565);
    EXPECT_EQ(tuning.outputs[1].bands[4].frequencyHz, 100);
    EXPECT_EQ(tuning.outputs[1].bands[4].gainCode, 160);
    EXPECT_DOUBLE_EQ(tuning.outputs[1].bands[4].q, 28.852);
    EXPECT_EQ(tuning.outputs[2].highPass.frequencyHz, 500);
    EXPECT_EQ(tuning.mainVolumeCode, 47);
    EXPECT_TRUE(tuning.masterOn);
}

TEST_F(EditApiTest, NonFiniteTypedValuesNeverLeaveTheLimits) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(LimitedFrequencyHz(nan), kLowestFrequencyHz);
    EXPECT_EQ(LimitedFrequencyHz(inf), kHighestFrequencyHz);
    EXPECT_EQ(ChannelGainCodeForDb(-inf), 0);
    EXPECT_EQ(BandGainCodeForDb(nan), 200);
    EXPECT_EQ(MainVolumeCodeForDb(inf), 66);
}

TEST_F(EditApiTest, BypassIsAskedNotToggledAndAFlatBandStaysBypassed) {
    EXPECT_EQ(editor.SetBandBypass(0, 2, BandBypass::Active), BandBypass::Bypassed)
        << "0 dB: the band stays bypassed";
    editor.SetBandGainDb(0, 2, 3.0);
    EXPECT_EQ(editor.SetBandBypass(0, 2, BandBypass::Active), BandBypass::Active);
    EXPECT_EQ(editor.SetBandBypass(0, 2, BandBypass::Active), BandBypass::Active)
        << "asking twice does not toggle back";
    EXPECT_EQ(editor.SetBandBypass(0, 2, BandBypass::Bypassed), BandBypass::Bypassed);
    EXPECT_TRUE(session.Snapshot().outputs[0].bands[2].bypassed);
}

TEST_F(EditApiTest, MuteDelayAndNameReturnWhatTheChannelHolds) {
    EXPECT_EQ(editor.SetMuted(3, MuteState::Muted), MuteState::Muted);
    EXPECT_FALSE(session.Snapshot().outputs[3].on);
    // A gain edit switches a muted channel on.
    editor.SetGainDb(3, -10.0);
    EXPECT_TRUE(session.Snapshot().outputs[3].on);
    EXPECT_EQ(editor.CommitDelayText(3, "1", DelayUnit::Milliseconds), 48);
    EXPECT_EQ(editor.CommitDelayText(3, "999", DelayUnit::Milliseconds), 259);
    EXPECT_FALSE(editor.SetName(3, "MuchTooLong").ok());
    EXPECT_EQ(session.Snapshot().outputs[3].name, "SR");
}

TEST_F(EditApiTest, EventsNameTheEditedGroupAndArriveOutsideTheLock) {
    Link(0, 1);
    editor.SetGainDb(1, -6.0);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].change, SessionChange::Outputs);
    EXPECT_EQ(events[0].channels, 0b11);
    // The sink's snapshot already shows the edit on both linked channels.
    EXPECT_EQ(lastSnapshot.outputs[0].gainCode, 540);
    EXPECT_EQ(lastSnapshot.outputs[1].gainCode, 540);
    EXPECT_TRUE(lastSnapshot.outputs[0].linked);

    editor.SetMainVolumeDb(-20.0);
    EXPECT_EQ(editor.SetMainVolumeDb(-20.0), 40);  // unchanged: no second event
    editor.UnlinkPair(0);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1].change, SessionChange::MainVolume);
    EXPECT_EQ(events[2].change, SessionChange::Outputs);
    EXPECT_EQ(events[2].channels, 0b11);
    EXPECT_FALSE(lastSnapshot.outputs[1].linked);
}

TEST_F(EditApiTest, SnapshotCarriesPositionsPresetsAndResponses) {
    auto table = session.engine().image.ListeningPositions();
    WriteLe16(table, listening_table::RowOffset(2) + 2 * 5, 77);
    table[listening_table::kCurrentPosition] = 9;  // from outside: counts as the last position
    auto name = session.engine().image.Record(4).first(kNameFieldSize);
    std::fill(name.begin(), name.end(), ' ');
    std::copy_n("Street", 6, name.begin());
    editor.SetBandGainDb(2, 10, 6.0);

    const TuningSnapshot tuning = session.Snapshot();
    EXPECT_EQ(tuning.positions.delayCodes[2][5], 77);
    EXPECT_EQ(tuning.positions.current, 3);
    EXPECT_EQ(tuning.presetNames[3], "Street");
    const Response response = session.ChannelResponse(2);
    EXPECT_EQ(tuning.outputs[2].response, response);
    EXPECT_GT(*std::max_element(response.begin(), response.end()), 5.0);
}

TEST_F(EditApiTest, SnapshotsWhileAnotherThreadEditsStayConsistent) {
    std::thread editing([&] {
        for (int i = 0; i < 200; ++i) {
            editor.SetGainDb(i % 6, -0.1 * i);
        }
    });
    for (int i = 0; i < 50; ++i) {
        const TuningSnapshot tuning = session.Snapshot();
        for (const auto& out : tuning.outputs) {
            EXPECT_LE(out.gainCode, 600);
        }
    }
    editing.join();
}

TEST_F(EditApiTest, LimiterStepsAreLimitedAndTheNearestIsTaken) {
    EXPECT_EQ(editor.SetLimiterThresholdDbu(2, -3.0), 270);
    EXPECT_EQ(editor.SetLimiterThresholdDbu(2, 9.0), 360);
    EXPECT_EQ(editor.SetLimiterThresholdDbu(2, -40.0), 0);
    EXPECT_EQ(editor.SetLimiterThresholdDbu(2, std::numeric_limits<double>::quiet_NaN()), 300);
    // 0.3..0.9 ms in tenths (codes 0..6), then whole milliseconds (codes 7..106).
    EXPECT_EQ(editor.SetLimiterAttackMs(2, 0.3), 0);
    EXPECT_EQ(editor.SetLimiterAttackMs(2, 0.04), 0);
    EXPECT_EQ(editor.SetLimiterAttackMs(2, 0.9), 6);
    EXPECT_EQ(editor.SetLimiterAttackMs(2, 0.96), 7);
    EXPECT_EQ(editor.SetLimiterAttackMs(2, 7.4), 13);
    EXPECT_EQ(editor.SetLimiterAttackMs(2, 500.0), 106);
    EXPECT_EQ(editor.SetLimiterRelease(2, 9), 5);
    EXPECT_EQ(LimiterReleaseCodeForFactor(16), 4);
    EXPECT_FALSE(LimiterReleaseCodeForFactor(10));
    EXPECT_EQ(LimiterReleaseFactor(0), 2);
    EXPECT_EQ(editor.SetRoutingShare(2, 1, 140.0), 100);
    EXPECT_EQ(editor.SetRoutingShare(2, 1, 33.4), 33);
    EXPECT_EQ(editor.SetRoutingShare(2, 2, -5.0), 0);
}

TEST_F(EditApiTest, LimiterAndRoutingStayWithTheChannelWhileEqModeFollowsTheLink) {
    Link(4, 5);
    session.engine().model.SetSynchronised(true);
    const int centreShare3 = session.engine().model.output(5).routing().share3;
    editor.SetLimiterThresholdDbu(4, -10.0);
    editor.SetRoutingShare(4, 3, 40.0);
    editor.SetEqMode(4, EqMode::Graphic);
    const auto& sub = session.engine().model.output(4);
    const auto& centre = session.engine().model.output(5);
    EXPECT_EQ(sub.limiterThresholdCode(), 200);
    EXPECT_EQ(centre.limiterThresholdCode(), 300);
    EXPECT_EQ(sub.routing().share3, 40);
    EXPECT_FALSE(sub.routing().off3);
    EXPECT_EQ(centre.routing().share3, centreShare3);
    // Input 3 has no byte in what the channel writes: its byte of the live record is set.
    const auto block = session.engine().image.Block(0, BlockType::Output, 4);
    EXPECT_EQ(block[output_block::kRoutingSlot * kSlotSize + 2], 40);
    EXPECT_EQ(sub.eqMode(), 1);
    EXPECT_EQ(centre.eqMode(), 1);
    EXPECT_TRUE(centre.eq().Band(7).geqMode());
    // Each change marks its slot for the change scan.
    EXPECT_TRUE(sub.pending().limiter);
    EXPECT_TRUE(sub.pending().routing);
    EXPECT_TRUE(sub.pending().strip);
    EXPECT_FALSE(centre.pending().limiter);
    EXPECT_EQ(events.back().change, SessionChange::Outputs);
}

// A code from a file or the command line that lies outside a choice never yields a value the
// processor does not know: a band cannot become a high-pass, a slope past "off" stays off.
TEST(EditChoicesTest, CodesOutsideAChoiceAreLimitedToIt) {
    EXPECT_EQ(ChoiceOfCode<FilterType>(CodeOf(FilterType::HighPass)), FilterType::HighShelf);
    EXPECT_EQ(ChoiceOfCode<CrossoverSlope>(kCrossoverSlopeOff + 1), CrossoverSlope::Off);
    EXPECT_EQ(ChoiceOfCode<EqMode>(-1), EqMode::Parametric);
    EXPECT_EQ(ChoiceOfCode<Polarity>(CodeOf(Polarity::Inverted)), Polarity::Inverted);
}

}  // namespace
}  // namespace corva
