// Feeds arbitrary bytes to the complete preset file reader as file content, either plain text that
// is scrambled here or file bytes as they are (JsonFuzzInput.h). A file is either
// refused or, once applied, written back and read again to the same records.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "JsonFuzzInput.h"
#include "files/JsonPresetReader.h"
#include "files/JsonPresetWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corva;
    const std::vector<std::uint8_t> bytes = fuzz::JsonFileFromInput({data, size});
    JsonCompleteFile file;
    if (!ParseCompleteJson(bytes, file).ok()) {
        return 0;
    }
    if (file.groups.size() > kPresetCount + 1) {
        std::abort();  // the reader lets no more groups through than there are records
    }
    ParameterImage image;
    JsonHeaderRecord header;
    ApplyJsonFile(file, image, ProtectionState{}, header);

    std::vector<std::uint8_t> written;
    if (!BuildCompleteJson(image, header, 0, written).ok()) {
        std::abort();
    }
    JsonCompleteFile reread;
    if (!ParseCompleteJson(written, reread).ok() || reread.groups.size() != kPresetCount + 1) {
        std::abort();
    }
    ParameterImage copy;
    ApplyJsonFile(reread, copy, ProtectionState{}, header);
    for (int preset = 0; preset <= kPresetCount; ++preset) {
        const auto record = image.Record(preset);
        const auto again = copy.Record(preset);
        if (!std::equal(record.begin(), record.begin() + 16, again.begin()) ||
            !std::equal(record.begin() + 296, record.end(), again.begin() + 296)) {
            std::abort();
        }
    }
    return 0;
}
