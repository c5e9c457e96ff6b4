// Sessions holding a recognisable, valid tuning, and a scratch folder for files on disk.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/ByteOrder.h"
#include "model/DefaultOutputBlock.h"
#include "model/TuningSession.h"
#include "support/DefaultRecord.h"

namespace corva::test {

using Bytes = std::vector<std::uint8_t>;

// A tuning the model reproduces byte for byte: the default output blocks and music-input
// bands, then values that differ per channel and per `seed`.
inline void FillTuning(TuningSession& session, int seed) {
    auto& image = session.engine().image;
    WriteDefaultRecord(image);
    const std::string name = "Tuning " + std::to_string(seed);
    std::copy(name.begin(), name.end(), image.Live().begin() + record::kPresetName);
    session.engine().model.LoadFromImage(image, 0);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        auto& out = session.engine().model.output(c);
        out.SetGain(400 + 10 * c + seed);
        out.SetDelay(20 * c + seed);
        out.SetPolarity((c + seed) % 2);
    }
    session.engine().model.WriteAllToImage(image);
}

inline Bytes LiveBytes(const TuningSession& session) {
    return {session.engine().image.Live().begin(), session.engine().image.Live().end()};
}

inline Bytes TableBytes(const TuningSession& session) {
    return {session.engine().image.ListeningPositions().begin(),
            session.engine().image.ListeningPositions().end()};
}

// Four rows whose every delay names its row and channel, position `current`.
inline void FillTable(std::span<std::uint8_t, kListeningTableSize> table, int base, int current) {
    for (int p = 0; p < 4; ++p) {
        for (int c = 0; c < 6; ++c) {
            WriteLe16(table, static_cast<std::size_t>(12 * p + 2 * c), base + 10 * p + c);
        }
    }
    table[48] = static_cast<std::uint8_t>(current);
    table[49] = 0;
}

// A folder of its own per test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
        : path_{std::filesystem::temp_directory_path() /
                ("corva-files-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())} {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string PathOf(const std::string& name) const { return (path_ / name).string(); }
    std::string File(const std::string& name) const { return PathOf(name); }
    const std::filesystem::path& path() const { return path_; }

    static Bytes Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Write(const std::string& path, const Bytes& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::filesystem::path path_;
};

}  // namespace corva::test
