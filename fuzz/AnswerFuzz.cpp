// Bytes from a processor, as any link delivers them, into the command channel: assembling,
// checking and filing answers must never crash or write outside the image.
//
// One session and one answer handler serve every input (building a session per input costs
// far more than the parsing under test). Each input starts from the same image and the same
// frames in flight (AnswerFuzzFrames.h); answers built here use the host's frame header. The
// hooks and sinks do nothing, but are there to be called.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "AnswerFuzzFrames.h"
#include "protocol/FrameLayout.h"
#include "transfer/AnswerHandler.h"

namespace {

struct Channel {
    corva::TuningSession session;
    corva::AnswerHandler handler{session, [](const corva::Notice&) {}};
    std::vector<corva::QueuedFrame> startingFrames = corva::fuzz::AnswerFuzzFrames();
    corva::ParameterImage startingImage = session.engine().image;

    Channel() {
        handler.SetProgressHook([](int) {});
        handler.SetLogSink([](const std::string&) {});
    }

    void Restart() {
        handler.ResetAssembler();
        auto& state = session.engine();
        std::lock_guard lock(state.sendLock);
        state.image = startingImage;
        state.queue.clear();
        for (const auto& frame : startingFrames) {
            state.queue.push(std::make_unique<corva::QueuedFrame>(frame));
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Channel channel;
    channel.Restart();

    // A first byte from 0xF0 up makes the rest the payload of a well-formed answer to the
    // frame in flight (its header echoed, its checksum right), so the filing rules behind the
    // checks are reached as often as the checks themselves.
    if (size > 0 && data[0] >= 0xF0) {
        static constexpr corva::Command kAnswers[] = {
            corva::Command::Acknowledge, corva::Command::ResendRequest, corva::Command::Data,
            corva::Command::Data};
        corva::FrameHeader header =
            corva::DecodeFrameHeader(channel.startingFrames.front().data())->header;
        header.command = kAnswers[data[0] & 3];
        const auto answer = corva::EncodeFrame(
            header, std::span<const std::uint8_t>(data + 1, std::min<std::size_t>(size - 1, 1024)));
        channel.handler.FeedStream(answer);
        return 0;
    }
    // Otherwise the first byte chooses how the bytes arrive: as reports, in pieces, or one by
    // one.
    const std::size_t piece = size ? (data[0] % 70) + 1 : 1;
    for (std::size_t offset = 1; offset < size; offset += piece) {
        const std::size_t count = std::min(piece, size - offset);
        if (piece == 65) {
            corva::HidReport report{};
            std::copy_n(data + offset, count, report.begin());
            channel.handler.FeedUsbReport(report);
        } else {
            channel.handler.FeedStream(std::span<const std::uint8_t>(data + offset, count));
        }
    }
    return 0;
}
