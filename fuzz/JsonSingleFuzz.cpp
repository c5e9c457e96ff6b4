// Feeds arbitrary bytes to the single preset file reader as file content, either plain text that
// is scrambled here or file bytes as they are (JsonFuzzInput.h). A file is either
// refused or, once applied, written back and read again to the same record bytes.
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
    JsonSingleFile file;
    if (!ParseSingleJson(bytes, file).ok()) {
        return 0;
    }
    ParameterImage image;
    JsonHeaderRecord header;
    ApplyJsonFile(file, image, ProtectionState{}, header);

    std::vector<std::uint8_t> written;
    if (!BuildSingleJson(image, header, 0, written).ok()) {
        std::abort();
    }
    JsonSingleFile reread;
    if (!ParseSingleJson(written, reread).ok()) {
        std::abort();
    }
    ParameterImage copy;
    ApplyJsonFile(reread, copy, ProtectionState{}, header);
    const auto live = image.Live();
    const auto again = copy.Live();
    if (!std::equal(live.begin(), live.begin() + 16, again.begin()) ||
        !std::equal(live.begin() + 296, live.end(), again.begin() + 296) ||
        !std::equal(image.ListeningPositions().begin(), image.ListeningPositions().end(),
                    copy.ListeningPositions().begin())) {
        std::abort();
    }
    return 0;
}
