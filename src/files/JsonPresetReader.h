// Reading JSON preset files. A file is unscrambled, parsed and checked completely into the
// structures below first; only a file that passes every check is applied, so a damaged,
// foreign or oversized file leaves the image and the header record exactly as they were.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/Status.h"
#include "files/JsonHeaderRecord.h"
#include "protocol/ParameterImage.h"
#include "protocol/ProtectionState.h"

namespace corva {

// The record bytes one group of a file carries. An array shorter than its place leaves the
// remaining record bytes as they were; arrays longer than their place are refused.
struct JsonPresetGroup {
    std::vector<std::uint8_t> name;                  // from record byte 0, at most 16
    std::vector<std::uint8_t> music;                 // from record byte 296, at most 112
    std::vector<std::vector<std::uint8_t>> outputs;  // block k from byte 408 + 296 k, k < 6
};

struct JsonSingleFile {
    JsonHeaderRecord header;
    JsonPresetGroup preset;               // goes to the live record
    std::vector<std::uint8_t> listening;  // at most 50 bytes of the listening-position table
};

struct JsonCompleteFile {
    JsonHeaderRecord header;
    std::vector<std::uint8_t> listening;
    std::vector<JsonPresetGroup> groups;  // [0] live record, [p] stored preset p; at most 16
};

// Unscrambles, parses and checks the bytes of a file. The checks run in this order: the
// "dnm", "client" and "data_info" objects with all their members, "fileType", the client
// brand code and the machine type (exact), the file type, then the preset data.
Status ParseSingleJson(std::span<const std::uint8_t> fileBytes, JsonSingleFile& file);
Status ParseCompleteJson(std::span<const std::uint8_t> fileBytes, JsonCompleteFile& file);

// Copies a checked file into the image and its header values into `header`. While the tuning
// is not protected, the live record's protection marker (byte 288 of output block 0) is set to
// a blank: a file saved from protected tuning carries "!" there, and plain tuning sent with it
// would be taken for scrambled tuning by the next read from the processor. Byte 48 of the
// listening-position table is taken as the file holds it. The protection state never changes.
void ApplyJsonFile(const JsonSingleFile& file, ParameterImage& image,
                   const ProtectionState& protection, JsonHeaderRecord& header);
void ApplyJsonFile(const JsonCompleteFile& file, ParameterImage& image,
                   const ProtectionState& protection, JsonHeaderRecord& header);

// Read, parse, check and apply in one step (the caller holds the session lock).
Status ReadSingleJson(const std::string& path, ParameterImage& image,
                      const ProtectionState& protection, JsonHeaderRecord& header);
Status ReadCompleteJson(const std::string& path, ParameterImage& image,
                        const ProtectionState& protection, JsonHeaderRecord& header);

}  // namespace corva
