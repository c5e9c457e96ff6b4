// In-use marks of USB devices kept in the per-user settings store that every running copy of
// the program shares: the group "USB" holds one value "0" per device in use.
#pragma once

#include <memory>
#include <string>

#include "protocol/InUseMarkers.h"

class QSettings;

namespace corva {

// Device paths hold characters the settings store takes for group separators ('/' and '\'),
// so each path is stored under a percent-encoded key: every byte other than A-Z, a-z, 0-9,
// '-', '.', '_' and '~' becomes %XX (upper-case hex). "/dev/hidraw3" → "%2Fdev%2Fhidraw3".
// Any path round-trips, and two different paths never share a key.
//
// Every change is written out at once and every query re-reads the store, so other running
// copies see marks as soon as they are made. Used from one thread (the user interface).
class SettingsInUseMarkers final : public InUseMarkers {
public:
    SettingsInUseMarkers();                                     // the shared per-user store
    explicit SettingsInUseMarkers(const std::string& iniPath);  // an INI file of the caller's
    ~SettingsInUseMarkers() override;

    bool IsFree(const std::string& devicePath) override;
    void Mark(const std::string& devicePath) override;
    void Unmark(const std::string& devicePath) override;
    void ClearAll() override;

    static std::string KeyFor(const std::string& devicePath);

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace corva
