#include "shell/app/SettingsStore.h"

#include <array>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "platform/settings/SharedSettings.h"
#include "shell/panels/FileChooser.h"

namespace corva::shell {
namespace {

using settings_key::kFirmwareGroup;
using settings_key::kPathGroup;

constexpr std::array<const char*, 4> kPathValueNames = {"File_Path", "AllFile_Path", "Map_Path",
                                                        "Hex"};

QString PathKey(PathKind kind) {
    return QString::fromLatin1(kPathGroup) + '/' +
           QString::fromLatin1(kPathValueNames[static_cast<std::size_t>(kind) - 1]);
}

QString FirmwareKey(const char* value) {
    return QString::fromLatin1(kFirmwareGroup) + '/' + QString::fromLatin1(value);
}

QString NetworkKey() {
    return QString::fromLatin1(settings_key::kNetworkGroup) + '/' +
           QString::fromLatin1(settings_key::kAddressValue);
}

QString SerialKey() {
    return QString::fromLatin1(settings_key::kSerialGroup) + '/' +
           QString::fromLatin1(settings_key::kPortValue);
}

bool HasGroup(QSettings& settings, const char* group) {
    return settings.childGroups().contains(QString::fromLatin1(group));
}

}  // namespace

SettingsStore::Folders SettingsStore::DefaultFolders() {
    return {QDir::currentPath(),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
}

SettingsStore::SettingsStore(Folders folders) : folders_{std::move(folders)} {
    firmware_.path = FirmwareMask();
}

SettingsStore::~SettingsStore() = default;

std::unique_ptr<QSettings> SettingsStore::Open() const {
    return OpenSharedSettings();
}

QString SettingsStore::DataFolder() const {
    return QDir::toNativeSeparators(QDir(folders_.startup).filePath(QStringLiteral("DataFile")));
}

void SettingsStore::EnsureDataFolder() const {
    QDir(folders_.startup).mkpath(QStringLiteral("DataFile"));
}

QString SettingsStore::FirmwareMask() const {
    return DataFolder() + QDir::separator() + QStringLiteral("*.bin");
}

QString SettingsStore::GeneralMask() const {
    return DataFolder() + QDir::separator() + QStringLiteral("*.*");
}

QString SettingsStore::ModeFileMask() const {
    return DataFolder() + QDir::separator() + QStringLiteral("*.dat_d");
}

void SettingsStore::WriteAllPaths(QSettings& settings, const QString& folder) const {
    for (const PathKind kind :
         {PathKind::SinglePreset, PathKind::AllPresets, PathKind::Map, PathKind::Hex}) {
        settings.setValue(PathKey(kind), folder);
    }
    settings.sync();
}

QString SettingsStore::GetPath(PathKind kind) {
    auto settings = Open();
    // The documents folder itself may be missing: the dialogs start in one that exists.
    if (!HasGroup(*settings, kPathGroup)) {
        WriteAllPaths(*settings, folders_.documents);
        return ExistingFolderFor(folders_.documents);
    }
    const QString stored = settings->value(PathKey(kind)).toString();
    if (stored.isEmpty() || !QFileInfo(stored).isDir()) {
        settings->setValue(PathKey(kind), folders_.documents);
        settings->sync();
        return ExistingFolderFor(folders_.documents);
    }
    return stored;
}

void SettingsStore::PutPath(PathKind kind, const QString& folder) {
    auto settings = Open();
    settings->setValue(PathKey(kind), folder);
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        settings->setValue(PathKey(kind), folders_.documents);
        settings->sync();
    }
}

QString SettingsStore::NetworkAddress() const {
    const QString stored = Open()->value(NetworkKey()).toString().trimmed();
    return stored.isEmpty() ? QString::fromLatin1(kDefaultNetworkAddress) : stored;
}

void SettingsStore::PutNetworkAddress(const QString& address) {
    Open()->setValue(NetworkKey(), address.trimmed());
}

QString SettingsStore::SerialPortName() const {
    return Open()->value(SerialKey()).toString().trimmed();
}

void SettingsStore::PutSerialPortName(const QString& name) {
    Open()->setValue(SerialKey(), name.trimmed());
}

QRect SettingsStore::WindowRect() const {
    return Open()->value(QStringLiteral("Window/Rect")).toRect();
}

bool SettingsStore::WindowMaximised() const {
    return Open()->value(QStringLiteral("Window/Maximised"), false).toBool();
}

void SettingsStore::PutWindowPlace(const QRect& normalRect, bool maximised) {
    auto settings = Open();
    settings->setValue(QStringLiteral("Window/Rect"), normalRect);
    settings->setValue(QStringLiteral("Window/Maximised"), maximised);
}

const FirmwareSettings& SettingsStore::ReadFirmwareSettings() {
    auto settings = Open();
    if (!HasGroup(*settings, kFirmwareGroup)) {
        WriteFirmwareSettings(firmware_);
        return firmware_;
    }
    firmware_.name = settings->value(FirmwareKey("Name")).toString();
    firmware_.path = settings->value(FirmwareKey("Path"), firmware_.path).toString();
    firmware_.language = settings->value(FirmwareKey(settings_key::kLanguageValue)).toString();
    return firmware_;
}

void SettingsStore::WriteFirmwareSettings(const FirmwareSettings& values) {
    firmware_ = values;
    auto settings = Open();
    settings->setValue(FirmwareKey("Name"), firmware_.name);
    settings->setValue(FirmwareKey("Path"), firmware_.path);
    settings->setValue(FirmwareKey(settings_key::kLanguageValue), firmware_.language);
    settings->sync();
}

}  // namespace corva::shell
