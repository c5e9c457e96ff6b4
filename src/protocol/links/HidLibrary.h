// Start-up of the HID library, done once per process before its first use.
#pragma once

namespace corva {

// Initialises the library on the first call, from whichever thread comes first; later calls
// only return the outcome. False when the library could not start.
bool EnsureHidLibrary();

}  // namespace corva
