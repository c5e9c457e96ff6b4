// In-use marks kept in memory only: a simulated processor inside one process is not shared
// with other copies of the program, so its marks need no shared store.
#pragma once

#include <set>
#include <string>

#include "protocol/InUseMarkers.h"

namespace corva {

class MemoryInUseMarkers final : public InUseMarkers {
public:
    bool IsFree(const std::string& devicePath) override { return !marked_.count(devicePath); }
    void Mark(const std::string& devicePath) override { marked_.insert(devicePath); }
    void Unmark(const std::string& devicePath) override { marked_.erase(devicePath); }
    void ClearAll() override { marked_.clear(); }

private:
    std::set<std::string> marked_;
};

}  // namespace corva
