// Edits of the listening-position table: one row or the current position, limited, and the
// whole table queued for writing only while a processor is attached.
#include "commands/ListeningPositionEdits.h"

#include <gtest/gtest.h>

#include "core/ByteOrder.h"
#include "protocol/FrameLayout.h"

namespace corva {
namespace {

TEST(ListeningPositionEditsTest, OneRowChangesAndTheTableIsQueuedWhileConnected) {
    TuningSession session;
    auto table = session.engine().image.ListeningPositions();
    WriteLe16(table, listening_table::RowOffset(1) + 2, 77);  // another row's delay stays

    EXPECT_EQ(SetPositionDelays(session, 2, {{0, 120}, {5, 999}, {3, -4}, {6, 50}}), 2);
    EXPECT_EQ(ReadLe16(table, listening_table::RowOffset(2)), 120);
    EXPECT_EQ(ReadLe16(table, listening_table::RowOffset(2) + 10), 259);  // limited
    EXPECT_EQ(ReadLe16(table, listening_table::RowOffset(2) + 6), 0);
    EXPECT_EQ(ReadLe16(table, listening_table::RowOffset(1) + 2), 77);
    EXPECT_TRUE(session.engine().queue.empty()) << "nothing is sent without a processor";

    session.engine().connected = true;
    EXPECT_EQ(UsePosition(session, 9), listening_table::kLastPosition);
    EXPECT_EQ(table[listening_table::kCurrentPosition], 3);
    EXPECT_EQ(UsePosition(session, -1), 0);
    const auto frame = session.engine().queue.popFront();
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->data()[frame::kBlockType], static_cast<std::uint8_t>(BlockType::System));
    EXPECT_EQ(frame->data()[frame::kChannel], system_id::kListeningPositions);
    EXPECT_EQ(SetPositionDelays(session, 7, {{1, 10}}), 3);
    EXPECT_EQ(ReadLe16(table, listening_table::RowOffset(3) + 2), 10);
}

}  // namespace
}  // namespace corva
