// A firmware file from the user: parsing it and producing every update step must never crash.
#include <cstddef>
#include <cstdint>

#include "firmware/UpdateSequencer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parsed = corva::ParseFirmware(std::span<const std::uint8_t>(data, size));
    if (!parsed.status.ok()) {
        return 0;
    }
    corva::UpdateSequencer sequencer(parsed.image);
    for (int calls = 0; calls < 20000 && !sequencer.finished(); ++calls) {
        sequencer.NextUpdateStep();
    }
    return 0;
}
