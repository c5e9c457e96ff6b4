#include "commands/DeviceLock.h"

#include <algorithm>

#include "model/DefaultOutputBlock.h"

namespace corva {

UserMessage LockChangeUnfinishedMessage(LockChange change) {
    const UiText name = change == LockChange::Protect  ? UiText{"The protect", "加密"}
                        : change == LockChange::Unlock ? UiText{"The unlock", "解锁"}
                                                       : UiText{"The reset of the lock", "清除加密"};
    return {{name.english + " did not finish: the processor may hold its tuning partly "
                            "protected. Once it answers again, protect, unlock or reset the "
                            "lock once more: that sends every block again and repairs it.",
             name.chinese + "未完成：处理器中的音效可能部分加密。处理器恢复应答后，再次加密、"
                            "解锁或清除加密会重新发送全部数据块并修复。"},
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
    return UserMessage{{"the password length is incorrect! Please enter a 6-digit password!",
                        "输入密码格式不正确!请输入6位数密码!"},
                       MessageStyle::Timed,
                       {}};
}

std::optional<UserMessage> DeviceLock::RefusalLocked() const {
    if (!session_.connected) {
        return ConnectionFailureMessage(connection_.linkKind());
    }
    if (!session_.model.synchronised()) {
        // The model does not hold the processor's tuning yet: sending it would overwrite that.
        return UserMessage{{"Not connected to device!", "未连接设备!"}, MessageStyle::Plain, {}};
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
        return UserMessage{{"Password and enter the password to encrypt the file does not match!",
                            "输入密码与加密文件密码不匹配!"},
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
