// Whether the live tuning is locked with a password. The lock operations change it; the frame
// builders read it to scramble output blocks; files carry it with the record.
#pragma once

#include <cstdint>
#include <string>

namespace corva {

struct ProtectionState {
    bool isProtected = false;  // output blocks go out scrambled, with marker and password
    bool released = false;     // just unlocked: the next write of output block 0 clears the marker
    bool resetAllowed = false;
    std::string password;      // six characters in the record's code page, or empty
    // The processor's output blocks were read back partly scrambled and partly plain: a
    // protect or unlock did not finish. The next protect, unlock or reset sends them all.
    bool unfinished = false;
};

// Every protected output byte is XORed with this mask on the wire.
inline constexpr std::uint8_t kProtectionMask = 0x5C;
inline constexpr std::uint8_t kProtectionMarker = '!';

}  // namespace corva
