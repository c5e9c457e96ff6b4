#include "protocol/links/HidLibrary.h"

#include <hidapi.h>

namespace corva {

bool EnsureHidLibrary() {
    // hid_init is not safe to run twice at once; a function-local static is initialised
    // exactly once even when threads race for it. The library stays up until the process ends.
    static const bool started = hid_init() == 0;
    return started;
}

}  // namespace corva
