#include "commands/DeviceLock.h"

#include <algorithm>

#include "model/DefaultOutputBlock.h"

namespace corva {

DeviceLock::DeviceLock(TuningSession& session, BulkTransfers& bulk)
    : session_{session.engine()}, bulk_{bulk} {}

bool DeviceLock::isProtected() const {
    std::lock_guard lock(session_.sendLock);
    return session_.protection.isProtected;
}

bool DeviceLock::editingEnabled() const { return !isProtected(); }

std::optional<UserMessage> DeviceLock::CheckPasswordLength(std::string_view password) {
    if (password.size() == kPasswordLength) {
        return std::nullopt;
    }
    return UserMessage{{"the password length is incorrect! Please enter a 6-digit password!",
                        "输入密码格式不正确!请输入6位数密码!"},
                       MessageStyle::Timed,
                       {}};
}

std::optional<UserMessage> DeviceLock::SendLiveRecord() {
    // The model writes all its values, then the live name and the six output blocks go out
    // (scrambled with the marker and password while protected).
    if (!bulk_.SendPreset(0, PresetSource::Model)) {
        return ConnectionFailureMessage(LinkKind::Usb);
    }
    return std::nullopt;
}

std::optional<UserMessage> DeviceLock::Protect(std::string_view password) {
    if (auto refused = CheckPasswordLength(password)) {
        return refused;
    }
    {
        std::lock_guard lock(session_.sendLock);
        session_.protection.password = std::string(password);
        session_.protection.isProtected = true;
        session_.protection.released = false;
        session_.protection.resetAllowed = false;
    }
    return SendLiveRecord();
}

std::optional<UserMessage> DeviceLock::Unlock(std::string_view password) {
    {
        std::lock_guard lock(session_.sendLock);
        if (!session_.protection.isProtected) {
            return std::nullopt;
        }
        if (password != session_.protection.password) {
            return UserMessage{{"Password and enter the password to encrypt the file does not match!",
                                "输入密码与加密文件密码不匹配!"},
                               MessageStyle::Timed,
                               {}};
        }
        session_.protection.isProtected = false;
        session_.protection.released = true;
    }
    return SendLiveRecord();
}

std::optional<UserMessage> DeviceLock::Reset() {
    {
        std::lock_guard lock(session_.sendLock);
        session_.protection.isProtected = false;
        session_.protection.released = false;
        for (int channel = 0; channel < kOutputChannelCount; ++channel) {
            const auto defaults = DefaultOutputBlock(channel);
            auto block = session_.image.Block(0, BlockType::Output, channel);
            std::copy(defaults.begin(), defaults.end(), block.begin());
        }
        session_.model.LoadFromImage(session_.image, 0);
    }
    return SendLiveRecord();
}

}  // namespace corva
