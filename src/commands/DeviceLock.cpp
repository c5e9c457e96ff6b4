#include "commands/DeviceLock.h"

#include <algorithm>

#include "model/DefaultOutputBlock.h"

namespace corva {

UserMessage LockChangeUnfinishedMessage(LockChange change) {
    const UiText name = change == LockChange::Protect  ? Tr("Commands", "The protect")
                        : change == LockChange::Unlock ? Tr("Commands", "The unlock")
                                                       : Tr("Commands", "The reset of the lock");
    return {Tr("Commands",
               "%1 did not finish: the processor may hold its tuning partly protected. Once it "
               "answers again, protect, unlock or reset the lock once more: that sends every "
               "block again and repairs it.")
                .Arg(name),
            MessageStyle::Plain,
            {},
            {}};
}

DeviceLock::DeviceLock(TuningSession& session, ConnectionController& connection)
    : session_{session.engine()}, connection_{connection} {}

bool DeviceLock::isProtected() const {
    std::lock_guard lock(session_.sendLock);
    return session_.protection.isProtected;
}

bool DeviceLock::PasswordMatches(std::string_view password) const {
    std::lock_guard lock(session_.sendLock);
    return session_.protection.isProtected && password == session_.protection.password;
}

bool DeviceLock::unfinished() const {
    std::lock_guard lock(session_.sendLock);
    return session_.protection.unfinished;
}

bool DeviceLock::editingEnabled() const {
    return !isProtected();
}

std::optional<UserMessage> DeviceLock::CheckPasswordLength(std::string_view password) {
    if (password.size() == kPasswordLength) {
        return std::nullopt;
    }
    return UserMessage{
        Tr("Commands", "the password length is incorrect! Please enter a 6-digit password!"),
        MessageStyle::Timed,
        {}};
}

std::optional<UserMessage> DeviceLock::RefusalLocked() const {
    if (!session_.connected) {
        return ConnectionFailureMessage(connection_.linkKind());
    }
    if (!session_.model.synchronised()) {
        // The model does not hold the processor's tuning yet: sending it would overwrite that.
        return UserMessage{Tr("Commands", "Not connected to device!"), MessageStyle::Plain, {}};
    }
    return std::nullopt;
}

void DeviceLock::SendLiveRecord(const BulkTransfers::SendLockHold& held) {
    ++session_.lockChanges;
    session_.protection.unfinished = false;
    connection_.bulk().SendPreset(0, PresetSource::Model, held);
}

std::optional<UserMessage> DeviceLock::Protect(std::string_view password) {
    if (auto refused = CheckPasswordLength(password)) {
        return refused;
    }
    EventsOnExit events(session_.events);
    BulkTransfers::SendLockHold lock(session_.sendLock);
    if (auto refused = RefusalLocked()) {
        return refused;
    }
    events.AddTuningReplaced();
    session_.protection.password = std::string(password);
    session_.protection.isProtected = true;
    // Protected tuning is not edited; the steps before it would only undo the protection's
    // tuning behind the password's back.
    session_.history.Clear();
    session_.protection.released = false;
    session_.protection.resetAllowed = false;
    SendLiveRecord(lock);
    return std::nullopt;
}

std::optional<UserMessage> DeviceLock::Unlock(std::string_view password) {
    EventsOnExit events(session_.events);
    BulkTransfers::SendLockHold lock(session_.sendLock);
    if (!session_.protection.isProtected) {
        if (!session_.protection.unfinished) {
            return std::nullopt;
        }
        // Open tuning that the processor holds partly scrambled: all of it goes out plain.
        if (auto refused = RefusalLocked()) {
            return refused;
        }
        events.AddTuningReplaced();
        SendLiveRecord(lock);
        return std::nullopt;
    }
    if (password != session_.protection.password) {
        return UserMessage{
            Tr("Commands", "Password and enter the password to encrypt the file does not match!"),
            MessageStyle::Timed,
            {}};
    }
    if (auto refused = RefusalLocked()) {
        return refused;
    }
    session_.protection.isProtected = false;
    session_.protection.released = true;
    events.AddTuningReplaced();
    SendLiveRecord(lock);
    return std::nullopt;
}

std::optional<UserMessage> DeviceLock::Reset() {
    EventsOnExit events(session_.events);
    BulkTransfers::SendLockHold lock(session_.sendLock);
    if (auto refused = RefusalLocked()) {
        return refused;
    }
    session_.protection.isProtected = false;
    session_.protection.released = false;
    // Steps made before the tuning was protected must not bring it back without the password.
    session_.history.Clear();
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        const auto defaults = DefaultOutputBlock(channel);
        auto block = session_.image.Block(0, BlockType::Output, channel);
        std::copy(defaults.begin(), defaults.end(), block.begin());
    }
    session_.model.LoadFromImage(session_.image, 0);
    events.AddTuningReplaced();
    SendLiveRecord(lock);
    return std::nullopt;
}

}  // namespace corva
