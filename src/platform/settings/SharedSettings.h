// The per-user settings store that every running copy of the desktop program and the
// command-line tool share, and the names of its groups and values.
#pragma once

#include <memory>

#include <QString>

#include "core/UiText.h"

class QSettings;

namespace corva {

// On Windows the registry key HKEY_CURRENT_USER\Software\CorvaDSP-BV1.00_GB2312.exe,
// elsewhere the per-user INI file CorvaDSP-BV1.00_GB2312.exe.ini in the user's configuration
// folder.
inline constexpr const char* kSharedStoreName = "CorvaDSP-BV1.00_GB2312.exe";

namespace settings_key {
inline constexpr const char* kPathGroup = "PC_File";       // remembered folders of the dialogs
inline constexpr const char* kFirmwareGroup = "DspMcu";    // firmware file and language
inline constexpr const char* kInUseGroup = "USB";          // devices in use, one value each
inline constexpr const char* kLanguageValue = "Language";  // in the firmware group
inline constexpr const char* kNetworkGroup = "Network";    // the desktop program's TCP link
inline constexpr const char* kAddressValue = "Address";    // last HOST[:PORT], in that group
inline constexpr const char* kSerialGroup = "Serial";      // the desktop program's serial link
inline constexpr const char* kPortValue = "Port";          // last port name typed, in that group
}  // namespace settings_key

std::unique_ptr<QSettings> OpenSharedSettings();

// The stored language text is a language's stored name from the catalogue list, "English" or
// "Chinese" for the program's own two; it must match exactly, and any other text means English.
UiLanguage LanguageFromStoredText(const QString& stored);
QString StoredTextFor(UiLanguage language);

// The language last stored by the desktop program (English when none is stored).
UiLanguage StoredLanguage();

}  // namespace corva
