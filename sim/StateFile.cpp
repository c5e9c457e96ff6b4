#include "sim/StateFile.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <vector>

#include "core/ByteOrder.h"
#include "files/SafeFileWriter.h"

namespace corva::sim {
namespace {

constexpr std::array<std::uint8_t, 8> kMagic = {'C', 'O', 'R', 'V', 'A', 'S', 'I', 'M'};
constexpr std::uint16_t kFormatVersion = 1;
constexpr std::size_t kPrefixSize = kMagic.size() + 2 + 2 + 4;  // magic, version, spare, length
constexpr std::size_t kChecksumSize = 4;

// The system fields kept in the file, in file order.
constexpr std::array<int, 6> kStoredSystemIds = {
    system_id::kSystemSettings,    system_id::kMainVolume, system_id::kInformationText,
    system_id::kDeviceInformation, system_id::kLockBlock,  system_id::kListeningPositions};

constexpr std::size_t BodySize() {
    return kRecordSize * (kPresetCount + 1) + kSystemSettingsSize + kMainVolumeSize +
           kInformationTextSize + kDeviceInformationSize + kLockBlockSize + kListeningTableSize +
           kDeviceSettingsSize + 4 * kStatusListSize;
}

// FNV-1a: enough to tell a damaged or foreign file from ours.
std::uint32_t BodyChecksum(std::span<const std::uint8_t> body) {
    std::uint32_t hash = 2166136261u;
    for (const auto byte : body) {
        hash = (hash ^ byte) * 16777619u;
    }
    return hash;
}

std::vector<std::uint8_t> BodyOf(const ParameterImage& image) {
    std::vector<std::uint8_t> body;
    body.reserve(BodySize());
    for (int preset = 0; preset <= kPresetCount; ++preset) {
        const auto record = image.Record(preset);
        body.insert(body.end(), record.begin(), record.end());
    }
    for (const int id : kStoredSystemIds) {
        const auto field = image.SystemField(id);
        body.insert(body.end(), field.begin(), field.end());
    }
    const auto settings = image.DeviceSettings();
    body.insert(body.end(), settings.begin(), settings.end());
    for (const auto entry : image.StatusList()) {
        std::array<std::uint8_t, 4> bytes{};
        WriteLe32(bytes, 0, static_cast<std::uint32_t>(entry));
        body.insert(body.end(), bytes.begin(), bytes.end());
    }
    return body;
}

// Copies `bytes` into the image in the order BodyOf wrote them; the sizes were checked.
void ApplyBody(std::span<const std::uint8_t> body, ParameterImage& image) {
    std::size_t at = 0;
    const auto take = [&](std::span<std::uint8_t> field) {
        std::copy_n(body.begin() + static_cast<std::ptrdiff_t>(at), field.size(), field.begin());
        at += field.size();
    };
    for (int preset = 0; preset <= kPresetCount; ++preset) {
        take(image.Record(preset));
    }
    for (const int id : kStoredSystemIds) {
        take(image.SystemField(id));
    }
    take(image.DeviceSettings());
    for (auto& entry : image.StatusList()) {
        entry = static_cast<std::int32_t>(ReadLe32(body, at));
        at += 4;
    }
}

Status Refused(const std::string& path, UiText why) {
    return Status::Fail(
        Tr("Simulator", "Simulator state file %1: %2").Arg(path).Arg(std::move(why)));
}

}  // namespace

Status SaveImageFile(const ParameterImage& image, const std::string& path) {
    const auto body = BodyOf(image);
    std::vector<std::uint8_t> file(kMagic.begin(), kMagic.end());
    file.resize(kPrefixSize);
    WriteLe16(file, kMagic.size(), kFormatVersion);
    WriteLe32(file, kMagic.size() + 4, static_cast<std::uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    file.resize(file.size() + kChecksumSize);
    WriteLe32(file, file.size() - kChecksumSize, BodyChecksum(body));

    return WriteFileSafely(path, file);
}

Status LoadImageFile(const std::string& path, ParameterImage& image) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Refused(path, Tr("Simulator", "cannot be opened"));
    }
    // Read one byte more than a valid file has, to tell an over-long file from ours.
    constexpr std::size_t kFileSize = kPrefixSize + BodySize() + kChecksumSize;
    std::vector<std::uint8_t> file(kFileSize + 1);
    in.read(reinterpret_cast<char*>(file.data()), static_cast<std::streamsize>(file.size()));
    file.resize(static_cast<std::size_t>(in.gcount()));

    if (file.size() < kPrefixSize || !std::equal(kMagic.begin(), kMagic.end(), file.begin())) {
        return Refused(path, Tr("Simulator", "not a simulator state file"));
    }
    if (ReadLe16(file, kMagic.size()) != kFormatVersion) {
        return Refused(path, Tr("Simulator", "written by another version of the simulator"));
    }
    if (ReadLe32(file, kMagic.size() + 4) != BodySize() || file.size() != kFileSize) {
        return Refused(path, Tr("Simulator", "wrong length (damaged file)"));
    }
    const auto body = std::span<const std::uint8_t>(file).subspan(kPrefixSize, BodySize());
    if (ReadLe32(file, kPrefixSize + BodySize()) != BodyChecksum(body)) {
        return Refused(path, Tr("Simulator", "checksum mismatch (damaged file)"));
    }
    ApplyBody(body, image);
    return Status::Ok();
}

}  // namespace corva::sim
