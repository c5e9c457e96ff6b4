#include "model/ChannelEditor.h"

#include <gtest/gtest.h>

#include "core/ByteOrder.h"
#include "protocol/FrameLayout.h"

namespace corva {
namespace {

class ChannelEditorTest : public ::testing::Test {
protected:
    OutputChannel& out(int channel) { return session.engine().model.output(channel); }
    std::vector<int> Groups() {
        const auto groups = session.engine().image.LinkGroups();
        return {groups.begin(), groups.end()};
    }
    // Queued frames as "type/channel/slot" (system writes as "9/id/byte6 of main volume").
    std::vector<std::string> Queued() {
        std::vector<std::string> seen;
        while (auto frame = session.engine().queue.popFront()) {
            const auto bytes = frame->data();
            std::string text = std::to_string(bytes[frame::kBlockType]) + "/" +
                               std::to_string(bytes[frame::kChannel]);
            if (bytes[frame::kBlockType] == 9) {
                text += "/" + std::to_string(bytes[frame::kHeaderSize + kMainVolumeBulkByte]);
            } else if (bytes.size() == 24) {
                text += "/" + std::to_string(bytes[frame::kSlot]) + "/on" +
                        std::to_string(bytes[frame::kHeaderSize]);
            } else {
                text += "/block";
            }
            seen.push_back(text);
        }
        return seen;
    }
    static ConfirmQuestion Answer(bool yes, std::vector<std::string>* asked = nullptr) {
        return [=](const UiText& question) {
            if (asked)
                asked->push_back(question.In(UiLanguage::English));
            return yes;
        };
    }

    TuningSession session;
    ChannelEditor editor{session};
};

TEST_F(ChannelEditorTest, LinkingAllPairsRightToLeft) {
    out(1).eq().Band(3).SetGainPosition(260);
    out(1).eq().HighPass().SetFrequency(80, EditOrigin::Load);
    out(0).SetGain(300);
    out(0).SetDelay(40);
    out(5).SetOn(0);
    out(5).SetPolarity(1);
    for (int pair = 0; pair < kPairCount; ++pair) {
        editor.LinkPair(pair, LinkDirection::RightToLeft);
    }
    EXPECT_EQ(Groups(), (std::vector<int>{1, 1, 3, 3, 5, 5}));
    EXPECT_DOUBLE_EQ(out(0).eq().Band(3).gainDb(), 6.0);
    EXPECT_EQ(out(0).eq().HighPass().targetHz(), 80);
    EXPECT_EQ(out(0).gainCode(), 300) << "gain, delay, on and polarity of a front channel stay";
    EXPECT_EQ(out(0).delayCode(), 40);
    EXPECT_EQ(out(4).on(), 0) << "the sub pair copies on/off and polarity";
    EXPECT_EQ(out(4).polarity(), 1);
    EXPECT_TRUE(session.engine().queue.empty()) << "nothing is sent while disconnected";

    editor.TogglePairLink(0, [] { return std::optional<LinkDirection>{}; });
    EXPECT_EQ(Groups(), (std::vector<int>{0, 1, 3, 3, 5, 5}));
    editor.UnlinkAll();
    EXPECT_EQ(Groups(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST_F(ChannelEditorTest, LinkingWhileConnectedSendsTheTargetBetweenMainVolumeHolds) {
    session.engine().connected = true;
    bool asked = false;
    editor.TogglePairLink(1, [&] {
        asked = true;
        return std::optional<LinkDirection>{LinkDirection::LeftToRight};
    });
    EXPECT_TRUE(asked);
    EXPECT_EQ(Groups(), (std::vector<int>{0, 1, 2, 2, 4, 5}));
    EXPECT_EQ(Queued(), (std::vector<std::string>{"9/5/0", "4/3/block", "9/5/1"}));
    EXPECT_EQ(session.engine().image.MainVolume()[kMainVolumeBulkByte], 1);

    editor.TogglePairLink(1, [] { return std::optional<LinkDirection>{}; });  // unlink: no dialog
    EXPECT_TRUE(session.engine().queue.empty());
    EXPECT_FALSE(editor.IsLinked(2));
}

TEST_F(ChannelEditorTest, LinkFlagInFramesFollowsTheTable) {
    session.engine().model.SetSynchronised(true);
    editor.LinkPair(0, LinkDirection::LeftToRight);
    editor.SetBandGainPosition(0, 4, 250);
    editor.SetGain(0, 500);
    std::vector<std::pair<int, int>> slotAndFlag;
    for (int i = 0; i < 6; ++i) {
        const auto frame = session.engine().model.NextChangedFrame(session.engine().image,
                                                                   session.engine().protection);
        const auto bytes = frame->data();
        if (bytes[frame::kBlockType] == 4) {
            slotAndFlag.emplace_back(bytes[frame::kSlot], bytes[frame::kLinkFlag]);
        }
    }
    EXPECT_EQ(slotAndFlag, (std::vector<std::pair<int, int>>{{31, 0}, {4, 1}, {31, 0}, {4, 1}}));
}

TEST_F(ChannelEditorTest, BandEditsRepeatOnLinkedChannelsOnly) {
    editor.LinkPair(2, LinkDirection::LeftToRight);
    editor.SetBandFrequency(5, 10, 333);
    editor.SetBandGainPosition(4, 10, 230);
    editor.SetBandBandwidthIndex(4, 10, 40);
    for (const int c : {4, 5}) {
        EXPECT_EQ(out(c).eq().Band(10).targetHz(), 333);
        EXPECT_EQ(out(c).eq().Band(10).GainCode(), 230);
        EXPECT_EQ(out(c).eq().Band(10).BandwidthIndex(), 40);
    }
    EXPECT_EQ(out(3).eq().Band(10).targetHz(), 200);
}

TEST_F(ChannelEditorTest, BandAtZeroDecibelsStaysBypassed) {
    editor.SetBandGainPosition(0, 0, 200);
    EXPECT_TRUE(out(0).eq().Band(0).bandBypass());
    EXPECT_EQ(ReadLe16(out(0).eq().MakeRecord(0), 2), 600);
    editor.ToggleBandBypass(0, 0);
    EXPECT_TRUE(out(0).eq().Band(0).bandBypass()) << "a 0 dB band cannot leave bypass";

    editor.SetBandGainPosition(0, 0, 260);
    EXPECT_FALSE(out(0).eq().Band(0).ReportsBypass());
    editor.ToggleBandBypass(0, 0);
    EXPECT_TRUE(out(0).eq().Band(0).bandBypass());
    EXPECT_EQ(out(0).eq().Band(0).GainCode(), 200);
    EXPECT_DOUBLE_EQ(out(0).eq().Band(0).gainDb(), 6.0) << "the gain survives the bypass";
}

TEST_F(ChannelEditorTest, BypassAllDeclinedRestoresEverything) {
    editor.SetBandGainPosition(1, 3, 300);
    std::vector<std::string> asked;
    EXPECT_EQ(editor.SetBypassAll(1, OnOff::On, Answer(false, &asked)), OnOff::Off);
    EXPECT_EQ(asked, (std::vector<std::string>{"Whether ByPass All EQ?"}));
    EXPECT_FALSE(out(1).eq().Band(3).ReportsBypass());

    EXPECT_EQ(editor.SetBypassAll(1, OnOff::On, Answer(true)), OnOff::On);
    EXPECT_TRUE(out(1).AllBypassed());
    asked.clear();
    EXPECT_EQ(editor.SetBypassAll(1, OnOff::Off, Answer(true, &asked)), OnOff::Off);
    EXPECT_EQ(asked, (std::vector<std::string>{"Whether Restore All EQ?"}));
    EXPECT_FALSE(out(1).eq().Band(3).ReportsBypass());
}

TEST_F(ChannelEditorTest, BypassAllOffWithEveryBandFlatAsksNothing) {
    std::vector<std::string> asked;
    EXPECT_EQ(editor.SetBypassAll(2, OnOff::Off, Answer(true, &asked)), OnOff::On);
    EXPECT_TRUE(asked.empty());
}

TEST_F(ChannelEditorTest, BypassAllConfirmedSendsTheGroupMuted) {
    session.engine().connected = true;
    editor.LinkPair(0, LinkDirection::LeftToRight);
    Queued();
    editor.SetBandGainPosition(0, 1, 300);
    EXPECT_EQ(editor.SetBypassAll(0, OnOff::On, Answer(true)), OnOff::On);
    EXPECT_TRUE(out(1).AllBypassed());
    const std::vector<std::string> muted0 = {"4/0/31/on0", "4/0/block", "4/0/31/on1"};
    const std::vector<std::string> muted1 = {"4/1/31/on0", "4/1/block", "4/1/31/on1"};
    std::vector<std::string> expected = muted0;
    expected.insert(expected.end(), muted1.begin(), muted1.end());
    expected.insert(expected.end(), muted0.begin(), muted0.end());
    EXPECT_EQ(Queued(), expected);
    EXPECT_FALSE(out(0).pending().strip);
}

TEST_F(ChannelEditorTest, ResetAllEqResetsTheGroupAndSendsBothBlocks) {
    session.engine().connected = true;
    editor.LinkPair(2, LinkDirection::RightToLeft);
    Queued();
    editor.SetBandFrequency(5, 0, 90);
    editor.SetBandGainPosition(5, 0, 100);
    EXPECT_FALSE(editor.ResetAllEq(5, Answer(false)));
    EXPECT_EQ(out(4).eq().Band(0).targetHz(), 90);
    EXPECT_TRUE(editor.ResetAllEq(5, Answer(true)));
    for (const int c : {4, 5}) {
        EXPECT_EQ(out(c).eq().Band(0).targetHz(), 31);
        EXPECT_TRUE(out(c).eq().Band(0).bandBypass());
    }
    EXPECT_EQ(Queued(), (std::vector<std::string>{"9/5/0", "4/5/block", "4/4/block", "9/5/1"}));
}

TEST_F(ChannelEditorTest, CrossoverOrderAndSlopeRules) {
    editor.SetCrossoverFrequency(0, CrossoverFilter::LowPass, 200);
    EXPECT_EQ(editor.SetCrossoverFrequency(0, CrossoverFilter::HighPass, 250), 200);
    EXPECT_EQ(out(0).eq().HighPass().targetHz(), 200);
    editor.SetCrossoverFrequency(1, CrossoverFilter::HighPass, 80);
    EXPECT_EQ(editor.SetCrossoverFrequency(1, CrossoverFilter::LowPass, 50), 80);

    editor.SetCrossoverSlope(2, CrossoverFilter::HighPass, CrossoverSlope::Db6PerOctave,
                             SixDbSlopeRule::KeepsKind);
    EXPECT_EQ(out(2).eq().HighPass().crossoverKind(), 1) << "the EQ panel only hides the kind";
    editor.SetCrossoverSlope(2, CrossoverFilter::HighPass, CrossoverSlope::Db24PerOctave,
                             SixDbSlopeRule::ForcesLinkwitzRiley);
    editor.SetCrossoverSlope(2, CrossoverFilter::HighPass, CrossoverSlope::Db6PerOctave,
                             SixDbSlopeRule::ForcesLinkwitzRiley);
    EXPECT_EQ(out(2).eq().HighPass().crossoverKind(), 0);

    editor.LinkPair(2, LinkDirection::LeftToRight);
    editor.SetCrossoverFrequency(4, CrossoverFilter::LowPass, 120);
    editor.SetCrossoverKind(4, CrossoverFilter::LowPass, CrossoverKind::Bessel);
    EXPECT_EQ(out(5).eq().LowPass().targetHz(), 120);
    EXPECT_EQ(out(5).eq().LowPass().crossoverKind(), 2);
}

TEST_F(ChannelEditorTest, LinkedGainsKeepTheirOffsetsAndUnmute) {
    out(2).SetGain(500);
    out(3).SetGain(560);
    out(3).SetOn(0);
    session.engine().image.LinkGroups()[3] = 2;
    editor.SetGain(2, 580);
    EXPECT_EQ(out(3).gainCode(), 600);
    EXPECT_EQ(out(3).on(), 1);
    editor.SetGain(2, 450);
    EXPECT_EQ(out(3).gainCode(), 470) << "600 - 130";
    out(2).SetOn(0);
    session.engine().model.SetSynchronised(true);
    editor.SetGain(2, 451);
    EXPECT_EQ(out(2).on(), 1);
    EXPECT_TRUE(out(2).pending().strip);
}

TEST_F(ChannelEditorTest, MutePolarityAndDelayFollowOnlyBetweenTheSubChannels) {
    editor.LinkPair(0, LinkDirection::LeftToRight);
    editor.LinkPair(2, LinkDirection::LeftToRight);
    editor.SetPolarity(0, Polarity::Inverted);
    EXPECT_EQ(out(1).polarity(), 0);
    editor.SetPolarity(4, Polarity::Inverted);
    editor.SetOn(5, OnOff::Off);
    EXPECT_EQ(out(5).polarity(), 1);
    EXPECT_EQ(out(4).on(), 0);

    editor.CommitDelay(0, 100);
    EXPECT_EQ(out(1).delayCode(), 0);
    out(4).SetDelay(100);
    out(5).SetDelay(250);
    editor.CommitDelay(4, 120);
    EXPECT_EQ(out(5).delayCode(), 259);
    editor.CommitDelay(5, 59);
    EXPECT_EQ(out(4).delayCode(), 0) << "120 - 200, limited";

    editor.UnlinkAll();
    editor.CommitDelay(4, 30);
    EXPECT_EQ(out(5).delayCode(), 59);
}

TEST_F(ChannelEditorTest, MainVolumeUnmutesAndEveryChangeIsSentWhileConnected) {
    session.engine().connected = true;
    editor.SetMasterOn(OnOff::Off);
    editor.SetMasterOn(OnOff::On);
    EXPECT_EQ(Queued(), (std::vector<std::string>{"9/5/0", "9/5/1"}));
    editor.SetMasterOn(OnOff::Off);
    Queued();
    editor.SetMainVolume(80);  // limited to +6 dB, and unmuted
    EXPECT_EQ(ReadLe16(session.engine().image.MainVolume(), 0), 66);
    EXPECT_EQ(Queued(), (std::vector<std::string>{"9/5/1"}));
    editor.SetMainVolume(66);  // the same volume: nothing
    EXPECT_TRUE(session.engine().queue.empty());
    session.engine().connected = false;
    editor.SetMainVolume(10);
    EXPECT_TRUE(session.engine().queue.empty());
    EXPECT_EQ(ReadLe16(session.engine().image.MainVolume(), 0), 10);
}

}  // namespace
}  // namespace corva
