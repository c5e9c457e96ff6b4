// Bytes from a processor, as any link delivers them, into the command channel: assembling,
// checking and filing answers must never crash or write outside the image.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "transfer/AnswerHandler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corva::TuningSession session;
    corva::AnswerHandler command(session, nullptr);
    for (int i = 0; i < 4; ++i) {
        session.engine().queue.push(std::make_unique<corva::SendData>(std::vector<std::uint8_t>(24, 0)));
    }
    // The first byte chooses how the bytes arrive: as reports, in pieces, or one by one.
    const std::size_t piece = size ? (data[0] % 70) + 1 : 1;
    for (std::size_t offset = 1; offset < size; offset += piece) {
        const std::size_t count = std::min(piece, size - offset);
        if (piece == 65) {
            corva::HidReport report{};
            std::copy_n(data + offset, count, report.begin());
            command.FeedUsbReport(report);
        } else {
            command.FeedStream(std::span<const std::uint8_t>(data + offset, count));
        }
    }
    return 0;
}
