// Locking the tuning with a six-character password, unlocking it, and resetting protected
// tuning to the program's default outputs. The front end asks for the password; these
// operations change the protection state, rebuild and send the tuning, and return what to
// show.
#pragma once

#include <optional>
#include <string_view>

#include "model/TuningSession.h"
#include "transfer/ConnectionController.h"
#include "transfer/ConnectionMessages.h"

namespace corva {

inline constexpr std::size_t kPasswordLength = 6;

enum class LockChange { Protect, Unlock, Reset };

// Said when a lock change's blocks did not all reach the processor (the link failed or a
// transfer limit ran out): its tuning may be partly protected until the next protect, unlock
// or reset sends every block again.
UserMessage LockChangeUnfinishedMessage(LockChange change);

class DeviceLock {
public:
    // The connection queues the frames and knows the link in use (for its failure message).
    DeviceLock(TuningSession& session, ConnectionController& connection);

    // Editing controls are enabled exactly while the tuning is not protected.
    bool editingEnabled() const;
    bool isProtected() const;
    // The processor's tuning was read back partly protected (a protect or unlock stopped
    // midway); Protect, Unlock and Reset all send every block again and repair it.
    bool unfinished() const;
    // True when the tuning is protected with exactly `password`.
    bool PasswordMatches(std::string_view password) const;

    // A password must be exactly six characters (six blanks are fine); the timed message
    // otherwise.
    static std::optional<UserMessage> CheckPasswordLength(std::string_view password);

    // Each returns a message to show, or nothing. Each sends the live record as the model
    // holds it, so each needs the processor attached and its tuning read: while disconnected
    // the connection-failure message of the link in use, while the full read (or a recall) is
    // still running "Not connected to device!"; a refused operation changes nothing (the
    // protection state, image, model and queue stay as they were). The password checks come
    // first. The blocks go out with block 0 (the marker's) last. Each clears the A/B slots
    // and, but for an unlock, the undo steps: neither may bring protected tuning back.
    // Unlocking tuning that is not protected sends it only to repair an unfinished state.
    std::optional<UserMessage> Protect(std::string_view password);
    std::optional<UserMessage> Unlock(std::string_view password);
    std::optional<UserMessage> Reset();

private:
    // Nothing when the live record can be sent now; the caller holds the send lock.
    std::optional<UserMessage> RefusalLocked() const;
    // The model writes all its values, then the live name and the six output blocks go out
    // (scrambled with the marker and password while protected).
    void SendLiveRecord(const BulkTransfers::SendLockHold& held);

    SessionState& session_;
    ConnectionController& connection_;
};

}  // namespace corva
