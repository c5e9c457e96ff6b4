#include "measure/PinkNoise.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "files/SafeFileWriter.h"
#include "measure/ExponentialSweep.h"
#include "measure/RealFft.h"

namespace corva::measure {
namespace {

constexpr double kRmsLevel = 0.1;
constexpr double kLowestHz = 20.0;
constexpr double kHighestHz = 20000.0;

// libsndfile writing into memory, so the file itself goes through the safe writer.
struct MemoryFile {
    std::vector<unsigned char> bytes;
    sf_count_t position = 0;
};

sf_count_t Length(void* user) {
    return static_cast<sf_count_t>(static_cast<MemoryFile*>(user)->bytes.size());
}

sf_count_t Seek(sf_count_t offset, int whence, void* user) {
    auto& file = *static_cast<MemoryFile*>(user);
    const sf_count_t base =
        whence == SEEK_SET
            ? 0
            : (whence == SEEK_CUR ? file.position : static_cast<sf_count_t>(file.bytes.size()));
    file.position = std::max<sf_count_t>(0, base + offset);
    return file.position;
}

sf_count_t Read(void* target, sf_count_t count, void* user) {
    auto& file = *static_cast<MemoryFile*>(user);
    const sf_count_t available =
        std::max<sf_count_t>(0, static_cast<sf_count_t>(file.bytes.size()) - file.position);
    const sf_count_t n = std::min(count, available);
    std::memcpy(target, file.bytes.data() + file.position, static_cast<std::size_t>(n));
    file.position += n;
    return n;
}

sf_count_t Write(const void* source, sf_count_t count, void* user) {
    auto& file = *static_cast<MemoryFile*>(user);
    const auto end = static_cast<std::size_t>(file.position + count);
    if (file.bytes.size() < end) {
        file.bytes.resize(end);
    }
    std::memcpy(file.bytes.data() + file.position, source, static_cast<std::size_t>(count));
    file.position += count;
    return count;
}

sf_count_t Tell(void* user) {
    return static_cast<MemoryFile*>(user)->position;
}

}  // namespace

std::vector<double> MakePinkNoisePeriod(std::uint64_t seed) {
    const RealFft fft(kPinkPeriodSamples);
    Spectrum spectrum(static_cast<std::size_t>(kPinkPeriodSamples / 2 + 1));
    std::uint64_t state = seed * 0x9E3779B97F4A7C15ull + 7;
    const double binHz = static_cast<double>(kMeasurementRateHz) / kPinkPeriodSamples;
    for (std::size_t k = 1; k + 1 < spectrum.size(); ++k) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        const double phase =
            2.0 * std::numbers::pi * static_cast<double>(state >> 11) / 9007199254740992.0;
        const double hz = static_cast<double>(k) * binHz;
        if (hz >= kLowestHz && hz <= kHighestHz) {
            spectrum[k] = std::polar(1.0 / std::sqrt(hz), phase);
        }
    }
    std::vector<double> period = fft.Inverse(spectrum);
    double squares = 0.0;
    for (const double s : period) {
        squares += s * s;
    }
    const double scale = kRmsLevel / std::sqrt(squares / static_cast<double>(period.size()));
    for (double& s : period) {
        s *= scale;
    }
    return period;
}

Status WritePinkNoiseFile(const std::string& path, double seconds, std::uint64_t seed) {
    const std::vector<double> period = MakePinkNoisePeriod(seed);
    const auto total = static_cast<std::size_t>(std::max(1.0, seconds) * kMeasurementRateHz);
    std::vector<double> samples(total);
    for (std::size_t i = 0; i < total; ++i) {
        samples[i] = period[i % period.size()];
    }
    MemoryFile memory;
    SF_VIRTUAL_IO io{&Length, &Seek, &Read, &Write, &Tell};
    SF_INFO info{};
    info.samplerate = kMeasurementRateHz;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open_virtual(&io, SFM_WRITE, &info, &memory);
    if (file == nullptr) {
        return Status::Fail(Tr("Measuring", "The noise file cannot be made."));
    }
    const sf_count_t written =
        sf_write_double(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
    if (written != static_cast<sf_count_t>(samples.size())) {
        return Status::Fail(Tr("Measuring", "The noise file cannot be made."));
    }
    return WriteFileSafely(path,
                           std::span<const std::uint8_t>(memory.bytes.data(), memory.bytes.size()));
}

}  // namespace corva::measure
