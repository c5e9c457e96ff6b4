// Helpers for the JSON preset file tests: recognisable records, editing the JSON inside a
// scrambled file, snapshots of what a read may change and a scratch folder.
#pragma once

#include <cJSON.h>
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "files/JsonScramble.h"
#include "model/OutputBlockLimits.h"
#include "protocol/ParameterImage.h"

namespace corva::test {

using Bytes = std::vector<std::uint8_t>;

// A fixed upload time, so two writes of the same image give the same bytes.
inline constexpr std::time_t kFixedTime = 1700000000;

// Name, music input and outputs of record `preset` and the listening-position table get values
// that differ per preset and per seed. The live protection marker stays a blank.
inline void FillPattern(ParameterImage& image, int preset, int seed) {
    auto record = image.Record(preset);
    const std::string name = "Tune" + std::to_string(preset) + "-" + std::to_string(seed);
    std::fill_n(record.begin(), kNameFieldSize - 1, std::uint8_t{' '});
    std::copy(name.begin(), name.end(), record.begin());
    record[kNameFieldSize - 1] = 0;
    for (std::size_t j = 0; j < record::kInputBlockSize; ++j) {
        record[record::kSecondInput + j] = static_cast<std::uint8_t>(j * 7 + seed);
    }
    for (int k = 0; k < kOutputChannelCount; ++k) {
        for (std::size_t i = 0; i < record::kOutputBlockSize; ++i) {
            record[record::OutputBlock(k) + i] = static_cast<std::uint8_t>(i * 3 + k * 11 + seed);
        }
        // Values a processor can hold: loading limits any other.
        LimitOutputBlock(record.subspan(record::OutputBlock(k), record::kOutputBlockSize));
    }
    if (preset == 0) {
        record[record::OutputBlock(0) + output_block::kProtectionMarker] = ' ';
        auto table = image.ListeningPositions();
        for (std::size_t i = 0; i < table.size(); ++i) {
            table[i] = static_cast<std::uint8_t>(i * 5 + seed);
        }
        table[48] = 2;
        table[49] = 1;
    }
}

inline void FillAll(ParameterImage& image, int seed) {
    for (int preset = 0; preset <= kPresetCount; ++preset) {
        FillPattern(image, preset, seed + preset);
    }
}

inline Bytes Slice(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size) {
    const auto part = bytes.subspan(offset, size);
    return {part.begin(), part.end()};
}

// Everything a read may change in an image.
struct ImageSnapshot {
    std::vector<Bytes> records;
    Bytes table;
    bool operator==(const ImageSnapshot&) const = default;
};

inline ImageSnapshot Snapshot(const ParameterImage& image) {
    ImageSnapshot snapshot;
    for (int preset = 0; preset <= kPresetCount; ++preset) {
        snapshot.records.push_back(Slice(image.Record(preset), 0, kRecordSize));
    }
    snapshot.table = Slice(image.ListeningPositions(), 0, kListeningTableSize);
    return snapshot;
}

// The printed text inside file bytes, and back.
inline std::string TextOf(Bytes fileBytes) {
    ScrambleByPosition(fileBytes);
    return {fileBytes.begin(), fileBytes.end()};
}
inline Bytes FileOf(const std::string& text) {
    Bytes bytes(text.begin(), text.end());
    ScrambleByPosition(bytes);
    return bytes;
}

struct TreeDeleter {
    void operator()(cJSON* tree) const { cJSON_Delete(tree); }
};
using Tree = std::unique_ptr<cJSON, TreeDeleter>;

inline Tree TreeOf(const Bytes& fileBytes) {
    const auto text = TextOf(fileBytes);
    return Tree(cJSON_ParseWithLength(text.data(), text.size()));
}

// The file with its JSON changed by `edit`, printed and scrambled as the program writes it.
inline Bytes EditJson(const Bytes& fileBytes, const std::function<void(cJSON*)>& edit) {
    Tree tree = TreeOf(fileBytes);
    EXPECT_NE(tree, nullptr);
    edit(tree.get());
    char* printed = cJSON_Print(tree.get());
    const std::string text(printed);
    cJSON_free(printed);
    return FileOf(text);
}

inline cJSON* At(cJSON* object, std::initializer_list<const char*> keys) {
    for (const char* key : keys) {
        object = cJSON_GetObjectItemCaseSensitive(object, key);
    }
    return object;
}

inline cJSON* Numbers(std::size_t count, int value) {
    const std::vector<int> numbers(count, value);
    return cJSON_CreateIntArray(numbers.data(), static_cast<int>(count));
}

inline std::vector<std::string> KeysOf(const cJSON* object) {
    std::vector<std::string> keys;
    for (const cJSON* item = object->child; item != nullptr; item = item->next) {
        keys.emplace_back(item->string);
    }
    return keys;
}

inline Bytes ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace corva::test
