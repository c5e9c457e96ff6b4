#include "firmware/FirmwareFile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "core/RegularFile.h"

namespace corva {
namespace {

constexpr std::size_t kTagSize = 4;
constexpr std::size_t kTwoRegionSize = 0x40004;  // files this long hold both regions
constexpr std::size_t kDspPartSize = 0xFFFF;
constexpr std::size_t kMcuRegion = 0x40004;
constexpr std::size_t kMcuHeaderSize = 4;
constexpr std::size_t kStepBytes = 48;
constexpr int kFixedSteps = 6;
constexpr std::size_t kTwoRegionLengthOffset = 0x30005;

bool TagAt(std::span<const std::uint8_t> file, std::size_t offset, const char* tag) {
    return file.size() >= offset + kTagSize &&
           std::memcmp(file.data() + offset, tag, kTagSize) == 0;
}

UiText UpdateFileError() {
    return Tr("Firmware", "Update file error!");
}

UiText BinFileError() {
    return Tr("Firmware", "Bin File error!");
}

void TakeMcu(std::span<const std::uint8_t> part, FirmwareImage& image) {
    image.hasMcu = true;
    const std::size_t header = std::min(kMcuHeaderSize, part.size());
    image.mcuHeader.assign(part.begin(), part.begin() + static_cast<std::ptrdiff_t>(header));
    image.mcu.assign(part.begin() + static_cast<std::ptrdiff_t>(header), part.end());
    image.checkByte = 0x12;
    for (const auto byte : image.mcu) {
        image.checkByte ^= byte;
    }
}

}  // namespace

FirmwareParse ParseFirmware(std::span<const std::uint8_t> file) {
    FirmwareImage image;
    if (file.size() < kTwoRegionSize) {
        if (!TagAt(file, 0, "WMCU")) {
            return {Status::Fail(UpdateFileError()), {}};
        }
        TakeMcu(file.subspan(kTagSize), image);
        image.plannedSteps = static_cast<int>(file.size() / kStepBytes) + kFixedSteps;
        return {Status::Ok(), image};
    }
    if (TagAt(file, 0, "WDSP")) {
        image.hasDsp = true;
        image.dsp.assign(file.begin() + kTagSize, file.begin() + kTagSize + kDspPartSize);
    }
    if (TagAt(file, kMcuRegion, "WMCU")) {
        TakeMcu(file.subspan(kMcuRegion + kTagSize), image);
    }
    if (!image.hasDsp && !image.hasMcu) {
        return {Status::Fail(UpdateFileError()), {}};
    }
    image.plannedSteps =
        static_cast<int>((file.size() - kTwoRegionLengthOffset) / kStepBytes) + kFixedSteps;
    return {Status::Ok(), image};
}

UiText FirmwareFileTooLarge() {
    const std::string limit = std::to_string(kMaxFirmwareFileBytes);
    return Tr("Firmware", "The firmware file is too large (more than %1 bytes)!").Arg(limit);
}

FirmwareParse LoadFirmwareFile(const std::string& path) {
    if (!IsRegularOrMissing(path)) {
        return {Status::Fail(NotARegularFileMessage(path)), {}};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {Status::Fail(BinFileError()), {}};
    }
    // A regular file too large is refused before anything is read.
    std::error_code error;
    const std::filesystem::path file(path);
    if (std::filesystem::is_regular_file(file, error) &&
        std::filesystem::file_size(file, error) > kMaxFirmwareFileBytes && !error) {
        return {Status::Fail(FirmwareFileTooLarge()), {}};
    }
    return ReadFirmwareFile(in);
}

FirmwareParse ReadFirmwareFile(std::istream& in) {
    // One byte more than the limit tells a file that is too large from one that just fits.
    std::vector<std::uint8_t> bytes(kMaxFirmwareFileBytes + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return {Status::Fail(BinFileError()), {}};
    }
    const auto count = static_cast<std::size_t>(in.gcount());
    if (count > kMaxFirmwareFileBytes) {
        return {Status::Fail(FirmwareFileTooLarge()), {}};
    }
    bytes.resize(count);
    return ParseFirmware(bytes);
}

}  // namespace corva
