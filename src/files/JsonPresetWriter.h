// Writing JSON preset files: the single file (live preset and listening-position table) and
// the complete file (live preset, the 15 stored presets and the table). The file is the
// formatted print of the tree, position-scrambled, without a terminating byte.
#pragma once

#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <vector>

#include "core/Status.h"
#include "files/JsonHeaderRecord.h"
#include "protocol/ParameterImage.h"

namespace corva {

// "YYYY-MM-DD hh:mm:ss" in local time, the upload time written into every file.
std::string JsonUploadTime(std::time_t now);

// The file bytes. The record bytes go in as they stand, protection marker and password
// included; "data_encryption_bool" is always false. Fails only when memory runs out.
Status BuildSingleJson(const ParameterImage& image, const JsonHeaderRecord& header, std::time_t now,
                       std::vector<std::uint8_t>& fileBytes);
Status BuildCompleteJson(const ParameterImage& image, const JsonHeaderRecord& header,
                         std::time_t now, std::vector<std::uint8_t>& fileBytes);

// Build and write, replacing an existing file only once the new one is complete. The caller
// has the model write its values into the live record first and holds the session lock.
Status WriteSingleJson(const std::string& path, const ParameterImage& image,
                       const JsonHeaderRecord& header, std::time_t now = std::time(nullptr));
Status WriteCompleteJson(const std::string& path, const ParameterImage& image,
                         const JsonHeaderRecord& header, std::time_t now = std::time(nullptr));

}  // namespace corva
