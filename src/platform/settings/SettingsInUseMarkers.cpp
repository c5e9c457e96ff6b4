#include "platform/settings/SettingsInUseMarkers.h"

#include <QSettings>
#include <QString>

#include "platform/settings/SharedSettings.h"

namespace corva {
namespace {

constexpr const char* kGroup = settings_key::kInUseGroup;
constexpr const char* kInUseValue = "0";

QString SettingsKey(const std::string& devicePath) {
    return QString::fromLatin1(kGroup) + '/' +
           QString::fromStdString(SettingsInUseMarkers::KeyFor(devicePath));
}

}  // namespace

SettingsInUseMarkers::SettingsInUseMarkers() : settings_{OpenSharedSettings()} {}

SettingsInUseMarkers::SettingsInUseMarkers(const std::string& iniPath)
    : settings_{
          std::make_unique<QSettings>(QString::fromStdString(iniPath), QSettings::IniFormat)} {}

SettingsInUseMarkers::~SettingsInUseMarkers() = default;

std::string SettingsInUseMarkers::KeyFor(const std::string& devicePath) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string key;
    key.reserve(devicePath.size() * 3);
    for (const char c : devicePath) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                           byte == '_' || byte == '~';
        if (plain) {
            key += c;
        } else {
            key += '%';
            key += kHex[byte >> 4];
            key += kHex[byte & 0x0F];
        }
    }
    return key;
}

bool SettingsInUseMarkers::IsFree(const std::string& devicePath) {
    settings_->sync();  // takes in what other copies have written since
    return !settings_->contains(SettingsKey(devicePath));
}

void SettingsInUseMarkers::Mark(const std::string& devicePath) {
    settings_->setValue(SettingsKey(devicePath), QString::fromLatin1(kInUseValue));
    settings_->sync();
}

void SettingsInUseMarkers::Unmark(const std::string& devicePath) {
    settings_->remove(SettingsKey(devicePath));
    settings_->sync();
}

void SettingsInUseMarkers::ClearAll() {
    settings_->remove(QString::fromLatin1(kGroup));
    settings_->sync();
}

}  // namespace corva
