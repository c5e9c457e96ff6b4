// Bytes from a processor, as any link delivers them, into the command channel: assembling,
// checking and filing answers must never crash or write outside the image.
//
// One session and one answer handler serve every input (building a session per input costs
// far more than the parsing under test). Each input starts from the same image and queue: a
// frame that asks to be told of its answer, a firmware step, then the frames of a connection's
// handshake and full read, numbered as the bulk transfer numbers them, so answers meet every
// kind of head frame. The hooks and the notice sink do nothing, but are there to be called.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "firmware/UpdateSequencer.h"
#include "protocol/FrameBuilder.h"
#include "transfer/AnswerHandler.h"
#include "transfer/BulkTransfers.h"

namespace {

// The frames each input starts with, as copies to queue.
std::vector<corva::SendData> StartingFrames(corva::TuningSession& session) {
    auto& state = session.engine();
    {
        std::lock_guard lock(state.sendLock);
        const corva::FrameBuilder builder(state.image, state.protection);
        auto told = builder.BuildSystemReadFrame(corva::system_id::kMainVolume);
        told->notifyOnAnswer = true;
        state.queue.push(std::move(told));
        const std::uint8_t payload[4] = {1, 2, 3, 4};
        auto step =
            corva::FrameBuilder::BuildFirmwareStep(corva::firmware_step::kMcuHeader, payload);
        step->progressIndex = 1;
        state.queue.push(std::move(step));
        state.queue.push(builder.BuildSystemReadFrame(corva::system_id::kSystemSettings));
        state.queue.push(builder.BuildSystemReadFrame(corva::system_id::kVersionTag));
    }
    corva::BulkTransfers(session).ReadLiveDevice();

    std::lock_guard lock(state.sendLock);
    std::vector<corva::SendData> frames;
    while (auto frame = state.queue.popFront()) {
        frames.push_back(*frame);
    }
    return frames;
}

struct Channel {
    corva::TuningSession session;
    corva::AnswerHandler handler{session, [](const corva::Notice&) {}};
    std::vector<corva::SendData> startingFrames = StartingFrames(session);
    corva::ParameterImage startingImage = session.engine().image;

    Channel() {
        handler.SetProgressHook([](int) {});
        handler.SetFirmwareStepHook([](int) {});
    }

    void Restart() {
        handler.ResetAssembler();
        auto& state = session.engine();
        std::lock_guard lock(state.sendLock);
        state.image = startingImage;
        state.queue.clear();
        for (const auto& frame : startingFrames) {
            state.queue.push(std::make_unique<corva::SendData>(frame));
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Channel channel;
    channel.Restart();

    // The first byte chooses how the bytes arrive: as reports, in pieces, or one by one.
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
