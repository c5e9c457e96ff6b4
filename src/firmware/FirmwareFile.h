// A firmware file: the DSP program and/or the microcontroller program it carries, checked and
// cut out of the file's fixed regions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Status.h"

namespace corva {

struct FirmwareImage {
    std::vector<std::uint8_t> dsp;        // empty when the file has no DSP part
    std::vector<std::uint8_t> mcuHeader;  // first four bytes of the MCU part
    std::vector<std::uint8_t> mcu;        // the MCU program bytes after the header
    bool hasDsp = false;
    bool hasMcu = false;
    std::uint8_t checkByte = 0x12;  // 0x12 XOR every MCU program byte
    int plannedSteps = 0;           // for the progress bar
};

// Parses the bytes of a firmware file; "Update file error!" when no part tag is where it
// must be.
struct FirmwareParse {
    Status status;
    FirmwareImage image;
};
FirmwareParse ParseFirmware(std::span<const std::uint8_t> file);

// The largest firmware file there can be, 0x80008 bytes (512 KiB and 8). The processor's two
// programs each have a region of 0x40004 bytes in the file, a four-byte tag and 256 KiB: the
// DSP part (0xFFFF bytes) at the start, the MCU part from offset 0x40004. An MCU-only file is
// shorter than one region, so its MCU part is below 256 KiB too; an MCU part that long in a
// two-region file ends at 0x40004 + 4 + 0x40000.
inline constexpr std::size_t kMaxFirmwareFileBytes = 0x40004 + 4 + 0x40000;

// A file larger than that: "The firmware file is too large …".
UiText FirmwareFileTooLarge();

// Reads and parses a file; "Bin File error!" when it cannot be read, FirmwareFileTooLarge
// when it is larger than kMaxFirmwareFileBytes (nothing past that limit is read).
FirmwareParse LoadFirmwareFile(const std::string& path);
// The same for the bytes of a stream: reads at most kMaxFirmwareFileBytes + 1 bytes.
FirmwareParse ReadFirmwareFile(std::istream& in);

}  // namespace corva
