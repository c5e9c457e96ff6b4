// A firmware file: the DSP program and/or the microcontroller program it carries, checked and
// cut out of the file's fixed regions.
#pragma once

#include <cstdint>
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

// Reads and parses a file; "Bin File error!" when it cannot be read.
FirmwareParse LoadFirmwareFile(const std::string& path);

}  // namespace corva
