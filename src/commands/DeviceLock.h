// Locking the tuning with a six-character password, unlocking it, and resetting protected
// tuning to the program's default outputs. The front end asks for the password; these
// operations change the protection state, rebuild and send the tuning, and return what to
// show.
#pragma once

#include <optional>
#include <string_view>

#include "model/TuningSession.h"
#include "transfer/BulkTransfers.h"
#include "transfer/ConnectionMessages.h"

namespace corva {

inline constexpr std::size_t kPasswordLength = 6;

class DeviceLock {
public:
    DeviceLock(TuningSession& session, BulkTransfers& bulk);

    // Editing controls are enabled exactly while the tuning is not protected.
    bool editingEnabled() const;
    bool isProtected() const;

    // A password must be exactly six characters (six blanks are fine); the timed message
    // otherwise.
    static std::optional<UserMessage> CheckPasswordLength(std::string_view password);

    // Each returns a message to show, or nothing. While disconnected the state still changes
    // and the connection-failure message replaces the send.
    std::optional<UserMessage> Protect(std::string_view password);
    std::optional<UserMessage> Unlock(std::string_view password);
    std::optional<UserMessage> Reset();

private:
    std::optional<UserMessage> SendLiveRecord();

    SessionState& session_;
    BulkTransfers& bulk_;
};

}  // namespace corva
