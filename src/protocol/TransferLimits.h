// The limits that end a transfer a processor keeps going: how often one frame may be asked for
// again, and how long a whole bulk transfer may take. Each answer has its own time limit, but
// a processor that trickles its answers just inside it, or asks for every frame again, would
// otherwise hold a full read or a backup for ever.
#pragma once

#include <chrono>
#include <optional>

namespace corva {

// Resend requests one frame may draw before its transfer is given up. A damaged frame is asked
// for again once or twice; a processor asking this often is not going to take it.
inline constexpr int kMaxResendRequests = 8;

// The bulk transfers, so a failure can say which one stopped; a frame of none is Single.
enum class TransferKind : int { Single, FullRead, Recall, Backup, SendPreset, SendAll };

// Which limit ended a transfer.
enum class TransferLimit : int { Deadline, ResendRequests };

// Shared by every frame of one bulk transfer. The clock starts when the first of its frames
// goes out, so frames waiting behind another transfer do not use up its time.
struct TransferClock {
    using Clock = std::chrono::steady_clock;
    TransferKind kind = TransferKind::FullRead;
    int frames = 0;
    std::optional<Clock::time_point> endsAt;
};

}  // namespace corva
