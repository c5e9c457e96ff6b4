// Marks of the USB devices that running copies of the program hold, in a store all copies
// share, so a second copy does not take a device the first one uses.
#pragma once

#include <string>

namespace corva {

class InUseMarkers {
public:
    virtual ~InUseMarkers() = default;
    virtual bool IsFree(const std::string& devicePath) = 0;
    virtual void Mark(const std::string& devicePath) = 0;
    virtual void Unmark(const std::string& devicePath) = 0;
    // Drops every mark (left behind by copies that ended without closing).
    virtual void ClearAll() = 0;
};

}  // namespace corva
