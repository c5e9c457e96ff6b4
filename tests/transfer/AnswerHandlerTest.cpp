#include "transfer/AnswerHandler.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "protocol/FrameLayout.h"
#include "support/Hex.h"
#include "transfer/NoticeQueue.h"

namespace corva {
namespace {

using test::FromHex;

// An answer frame with a correct checksum: command, preset, block type, channel, mode.
std::vector<std::uint8_t> Answer(int command, int preset, int blockType, int channel, int mode,
                                 const std::vector<std::uint8_t>& payload) {
    std::vector<std::uint8_t> frame(payload.size() + frame::kOverhead, 0);
    frame[0] = frame[1] = frame[2] = frame::kSync;
    frame[3] = frame::kStart;
    frame[frame::kCommand] = static_cast<std::uint8_t>(command);
    frame[frame::kAddress] = 1;
    frame[frame::kPreset] = static_cast<std::uint8_t>(preset);
    frame[frame::kBlockType] = static_cast<std::uint8_t>(blockType);
    frame[frame::kChannel] = static_cast<std::uint8_t>(channel);
    frame[frame::kSlot] = static_cast<std::uint8_t>(mode);
    frame[frame::kLength] = static_cast<std::uint8_t>(payload.size() & 0xFF);
    frame[frame::kLength + 1] = static_cast<std::uint8_t>(payload.size() >> 8);
    for (std::size_t i = 0; i < payload.size(); ++i) {
        frame[frame::kHeaderSize + i] = payload[i];
    }
    SealFrame(frame);
    return frame;
}

// A request as the host queues it: a write or a read request with eight zero bytes.
std::unique_ptr<QueuedFrame> Request(int command, int preset, int blockType, int channel, int mode) {
    return std::make_unique<QueuedFrame>(
        Answer(command, preset, blockType, channel, mode, std::vector<std::uint8_t>(8, 0)));
}

class AnswerHandlerTest : public ::testing::Test {
protected:
    void SetUp() override { session.engine().queue.push(Request(0xA1, 0, 4, 0, 0)); }
    // The frame in flight becomes a read request for what the answer will carry.
    void AwaitRead(int preset, int blockType, int channel, int mode) {
        session.engine().queue.clear();
        session.engine().queue.push(Request(0xA2, preset, blockType, channel, mode));
    }
    std::vector<NoticeId> Notices() {
        std::vector<NoticeId> ids;
        while (auto notice = notices.Take(0)) {
            ids.push_back(notice->id);
        }
        return ids;
    }

    TuningSession session;
    NoticeQueue notices;
    AnswerHandler command{session, notices.Sink()};
};

TEST_F(AnswerHandlerTest, AcknowledgeRemovesTheHeadEvenInOneBytePieces) {
    const auto ack = Answer(0x51, 0, 4, 0, 0, {});
    for (std::size_t i = 0; i + 1 < ack.size(); ++i) {
        EXPECT_FALSE(command.FeedByte(ack[i]));
    }
    EXPECT_TRUE(command.FeedByte(ack.back()));
    EXPECT_TRUE(session.engine().queue.empty());
}

TEST_F(AnswerHandlerTest, ReportsAndGarbageBeforeTheFrame) {
    const auto noise = FromHex("00 13 71 42");  // noise, then a lone sync byte
    const auto ack = Answer(0x51, 0, 4, 0, 0, {});
    HidReport report{};
    std::copy(noise.begin(), noise.end(), report.begin() + 1);
    std::copy(ack.begin(), ack.end(), report.begin() + 1 + noise.size());
    EXPECT_TRUE(command.FeedUsbReport(report));
    EXPECT_TRUE(session.engine().queue.empty());
}

TEST_F(AnswerHandlerTest, ThreeSyncBytesStartAFrameWhateverFollows) {
    // 71 71 71 00: the 00 becomes the first byte; the trailer check then rejects the frame.
    auto bytes = FromHex("71 71 71 00 51 01 00 04 00 00 00 00 00 00 00 00");
    EXPECT_FALSE(command.FeedStream(bytes));
    EXPECT_TRUE(command.lastAnswerRejected());
    EXPECT_EQ(session.engine().queue.count(), 1u);
}

TEST_F(AnswerHandlerTest, BadChecksumKeepsTheHeadAndALaterGoodAnswerIsTaken) {
    auto bad = Answer(0x51, 0, 4, 0, 0, {});
    bad[bad.size() - 2] ^= 0xFF;
    EXPECT_FALSE(command.FeedStream(bad));
    EXPECT_TRUE(command.lastAnswerRejected());
    EXPECT_EQ(session.engine().queue.count(), 1u);
    const auto good = Answer(0x51, 0, 4, 0, 0, {});
    std::vector<std::uint8_t> both(bad.size() + good.size());
    std::copy(bad.begin(), bad.end(), both.begin());
    std::copy(good.begin(), good.end(), both.begin() + static_cast<std::ptrdiff_t>(bad.size()));
    EXPECT_TRUE(command.FeedStream(both));
    EXPECT_TRUE(session.engine().queue.empty());
}

TEST_F(AnswerHandlerTest, AnnouncedLengthBeyondTheBufferIsRejected) {
    std::vector<std::uint8_t> huge(414, 0x55);
    const auto header = FromHex("71 71 71 EE 53 01 00 04 00 77 00 00 FF 7F");
    std::copy(header.begin(), header.end(), huge.begin());
    EXPECT_FALSE(command.FeedStream(huge));
    EXPECT_EQ(session.engine().queue.count(), 1u);
    EXPECT_TRUE(command.FeedStream(Answer(0x51, 0, 4, 0, 0, {})));  // and it recovers
}

TEST_F(AnswerHandlerTest, ResendRequestRewindsTheHead) {
    session.engine().queue.front()->position = 24;
    EXPECT_TRUE(command.FeedStream(Answer(0x52, 0, 4, 0, 0, {})));
    ASSERT_EQ(session.engine().queue.count(), 1u);
    EXPECT_EQ(session.engine().queue.front()->position, 0u);
}

TEST_F(AnswerHandlerTest, EmptyDataAnswerMeansFirmwareIsNeeded) {
    AwaitRead(0, 9, 4, 0);
    EXPECT_TRUE(command.FeedStream(Answer(0x53, 0, 9, 4, 0, {})));
    EXPECT_TRUE(command.needsFirmware);
    EXPECT_EQ(session.engine().queue.count(), 1u);
    EXPECT_EQ(Notices(), (std::vector<NoticeId>{NoticeId::DeviceNeedsFirmware}));
}

TEST_F(AnswerHandlerTest, OutputBlocksAreFiledByPresetAndMode) {
    std::vector<std::uint8_t> block(296, 0x11);
    AwaitRead(7, 4, 5, 0x77);
    EXPECT_TRUE(command.FeedStream(Answer(0x53, 7, 4, 5, 0x77, block)));
    EXPECT_EQ(session.engine().image.Block(7, BlockType::Output, 5)[0], 0x11);
    EXPECT_EQ(session.engine().image.Block(0, BlockType::Output, 5)[0], 0xE8);
    EXPECT_TRUE(Notices().empty());

    AwaitRead(15, 4, 5, 0x77);
    EXPECT_TRUE(command.FeedStream(Answer(0x53, 15, 4, 5, 0x77, block)));
    AwaitRead(3, 4, 5, 0);
    block[0] = 0x22;
    EXPECT_TRUE(command.FeedStream(Answer(0x53, 3, 4, 5, 0, block)));  // a recall: live
    EXPECT_EQ(session.engine().image.Block(0, BlockType::Output, 5)[0], 0x22);
    EXPECT_EQ(Notices(),
              (std::vector<NoticeId>{NoticeId::PresetsReceived, NoticeId::OutputsReceived}));
}

TEST_F(AnswerHandlerTest, SystemFieldsAreFiledWithTheirRules) {
    const auto feed = [&](int preset, int id, std::vector<std::uint8_t> payload) {
        AwaitRead(preset, 9, id, 0);
        return command.FeedStream(Answer(0x53, preset, 9, id, 0, std::move(payload)));
    };
    const std::string fifteen = "ABCDEFGHIJKLMNO";
    EXPECT_TRUE(feed(4, 0, std::vector<std::uint8_t>(fifteen.begin(), fifteen.end())));
    EXPECT_EQ(
        std::string(reinterpret_cast<const char*>(session.engine().image.Record(4).data()), 16),
        std::string("ABCDEFGHIJKLM  ") + '\0');

    EXPECT_TRUE(feed(0, 3, std::vector<std::uint8_t>(25, 9)));  // 25 status bytes: 20 kept
    EXPECT_EQ(session.engine().image.StatusList()[19], 9);

    EXPECT_TRUE(feed(0, 19, FromHex("5C 5C 5C 5C 6D 6E 6F 68 69 6A")));
    EXPECT_EQ(test::ToHex(session.engine().image.LockBlock()), "00 00 00 00 31 32 33 34 35 36");

    EXPECT_TRUE(feed(0, 16, std::vector<std::uint8_t>(40, 0x07)));
    EXPECT_EQ(session.engine().image.SystemField(16)[0], ' ');

    const std::string tag = "RUDA-DO1.00";
    EXPECT_TRUE(feed(0, 4, std::vector<std::uint8_t>(tag.begin(), tag.end())));
    EXPECT_EQ(session.engine().image.VersionTag()[7], '1');
    EXPECT_TRUE(feed(0, 52, {1}));  // consumed, nothing stored
    std::vector<std::uint8_t> table(50, 0);
    table[48] = 9;
    EXPECT_TRUE(feed(0, 64, table));
    EXPECT_EQ(session.engine().image.ListeningPositions()[48], 3)
        << "the current position stays a row";
    EXPECT_EQ(Notices(), (std::vector<NoticeId>{NoticeId::StatusReceived, NoticeId::VersionReceived,
                                                NoticeId::PositionsReceived}));
}

TEST_F(AnswerHandlerTest, ProgressFollowsNumberedFramesAndTheLastEndsTheBatch) {
    std::vector<int> progress;
    command.SetProgressHook([&](int index) { progress.push_back(index); });
    session.engine().queue.front()->progressIndex = 3;
    session.engine().queue.front()->position = 24;
    session.engine().queue.front()->endsStage = true;
    EXPECT_TRUE(command.FeedStream(Answer(0x51, 0, 4, 0, 0, {})));
    EXPECT_EQ(progress, (std::vector<int>{3}));
    EXPECT_EQ(Notices(), (std::vector<NoticeId>{NoticeId::BatchDone}));
}

TEST_F(AnswerHandlerTest, AnswersForAnotherFrameLeaveTheHeadAndAreCountedNotFiled) {
    std::vector<std::string> log;
    command.SetLogSink([&](const std::string& line) { log.push_back(line); });
    AwaitRead(0, 9, 4, 0);  // the version tag is in flight
    const auto settingsBefore = test::ToHex(session.engine().image.SystemSettings());

    // The system settings' answer, an acknowledge and another preset's name: none is its.
    EXPECT_FALSE(command.FeedStream(Answer(0x53, 0, 9, 2, 0, std::vector<std::uint8_t>(8, 0x5A))));
    EXPECT_FALSE(command.FeedStream(Answer(0x51, 0, 9, 4, 0, {})));
    EXPECT_FALSE(command.FeedStream(Answer(0x53, 3, 9, 4, 0, std::vector<std::uint8_t>(11, 'X'))));
    EXPECT_EQ(command.unmatchedAnswers(), 3);
    ASSERT_EQ(session.engine().queue.count(), 1u);
    EXPECT_EQ(session.engine().queue.front()->data()[frame::kChannel], 4);
    EXPECT_EQ(test::ToHex(session.engine().image.SystemSettings()), settingsBefore);
    EXPECT_TRUE(Notices().empty());
    ASSERT_EQ(log.size(), 3u);
    EXPECT_NE(log[0].find("53 01 00 09 02 00"), std::string::npos) << log[0];
    EXPECT_NE(log[0].find("A2 01 00 09 04 00"), std::string::npos) << log[0];

    // Its own answer, arriving after them, is taken.
    const std::string tag = "RUDA-DO1.00";
    EXPECT_TRUE(command.FeedStream(Answer(0x53, 0, 9, 4, 0, {tag.begin(), tag.end()})));
    EXPECT_TRUE(session.engine().queue.empty());
    EXPECT_EQ(Notices(), (std::vector<NoticeId>{NoticeId::VersionReceived}));
}

TEST_F(AnswerHandlerTest, AnAnswerWithNothingInFlightIsNotFiled) {
    session.engine().queue.clear();
    std::vector<std::uint8_t> block(296, 0x33);
    EXPECT_FALSE(command.FeedStream(Answer(0x53, 0, 4, 0, 0x77, block)));
    EXPECT_NE(session.engine().image.Block(0, BlockType::Output, 0)[0], 0x33);
    EXPECT_EQ(command.unmatchedAnswers(), 1);
}

TEST_F(AnswerHandlerTest, AResendRequestForABatchsLastFrameDoesNotEndTheBatch) {
    std::vector<int> progress;
    command.SetProgressHook([&](int index) { progress.push_back(index); });
    QueuedFrame* last = session.engine().queue.front();
    last->progressIndex = 5;
    last->endsStage = true;
    last->position = last->length();

    EXPECT_TRUE(command.FeedStream(Answer(0x52, 0, 4, 0, 0, {})));
    EXPECT_TRUE(progress.empty()) << "the bar stays where it was";
    EXPECT_TRUE(Notices().empty()) << "no BatchDone while the frame waits to go again";
    ASSERT_EQ(session.engine().queue.count(), 1u);

    session.engine().queue.front()->position = last->length();  // written again
    EXPECT_TRUE(command.FeedStream(Answer(0x51, 0, 4, 0, 0, {})));
    EXPECT_EQ(progress, (std::vector<int>{5}));
    EXPECT_EQ(Notices(), (std::vector<NoticeId>{NoticeId::BatchDone}));
}

TEST_F(AnswerHandlerTest, ABatchsFirstFrameIsNumberedToo) {
    std::vector<int> progress;
    command.SetProgressHook([&](int index) { progress.push_back(index); });
    AwaitRead(0, 4, 5, 0x77);
    QueuedFrame* only = session.engine().queue.front();
    only->progressIndex = 0;  // the first (and here the only) frame of a batch
    only->endsBulk = true;
    only->position = only->length();
    EXPECT_TRUE(command.FeedStream(Answer(0x53, 0, 4, 5, 0x77, std::vector<std::uint8_t>(296, 1))));
    EXPECT_EQ(progress, (std::vector<int>{0}));
    EXPECT_EQ(Notices(), (std::vector<NoticeId>{NoticeId::OutputsReceived, NoticeId::BatchDone}));

    // A frame outside any batch reports nothing.
    session.engine().queue.push(Request(0xA1, 0, 4, 0, 0));
    EXPECT_TRUE(command.FeedStream(Answer(0x51, 0, 4, 0, 0, {})));
    EXPECT_EQ(progress.size(), 1u);
}

TEST_F(AnswerHandlerTest, AReplacedWorkersLateAnswerIsDropped) {
    const auto stopped = command.BeginLink();
    const auto current = command.BeginLink();
    EXPECT_FALSE(command.FeedStream(Answer(0x51, 0, 4, 0, 0, {}), stopped));
    EXPECT_EQ(session.engine().queue.count(), 1u);
    EXPECT_TRUE(command.FeedStream(Answer(0x51, 0, 4, 0, 0, {}), current));
    EXPECT_TRUE(session.engine().queue.empty());

    session.engine().queue.push(Request(0xA1, 0, 4, 0, 0));
    command.EndLink();  // the link closed: nobody's answers are taken
    EXPECT_FALSE(command.FeedStream(Answer(0x51, 0, 4, 0, 0, {}), current));
    EXPECT_EQ(session.engine().queue.count(), 1u);
}

// Hooks and sinks run once the send lock is free: one that takes a snapshot or the lock itself
// goes on, while another thread reads the session at the same time.
TEST(AnswerHandlerHooksTest, HooksThatTakeTheLockDoNotDeadlock) {
    TuningSession session;
    std::atomic<int> noticesSeen{0};
    std::atomic<int> progressSeen{0};
    AnswerHandler command(session, [&](const Notice&) {
        std::lock_guard lock(session.engine().sendLock);
        ++noticesSeen;
    });
    command.SetProgressHook([&](int) {
        (void)session.Snapshot();
        std::lock_guard lock(session.engine().sendLock);
        ++progressSeen;
    });
    command.SetLogSink([&](const std::string&) { (void)session.Snapshot(); });
    constexpr int kFrames = 50;
    {
        std::lock_guard lock(session.engine().sendLock);
        for (int i = 0; i < kFrames; ++i) {
            auto frame = Request(0xA1, 0, 4, 0, 0);
            frame->progressIndex = i;
            frame->notifyOnAnswer = i == kFrames - 1;
            session.engine().queue.push(std::move(frame));
        }
    }
    std::thread worker([&] {
        const auto ack = Answer(0x51, 0, 4, 0, 0, {});
        const auto stray = Answer(0x53, 0, 9, 2, 0, std::vector<std::uint8_t>(8, 0));
        for (int i = 0; i < kFrames; ++i) {
            (void)command.FeedStream(stray, AnswerHandler::kAnyLink);
            (void)command.FeedStream(ack, AnswerHandler::kAnyLink);
        }
    });
    for (int i = 0; i < 100; ++i) {
        (void)session.Snapshot();
    }
    worker.join();
    EXPECT_EQ(progressSeen, kFrames - 1);
    EXPECT_EQ(noticesSeen, 1);  // the notify-on-answer frame's BatchDone
    EXPECT_EQ(command.unmatchedAnswers(), kFrames);
}

}  // namespace
}  // namespace corva
