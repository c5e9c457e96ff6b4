// The frames in flight that every input of the answer target starts from, shared with the
// seed generator so the seeds carry the simulated processor's answers to exactly these
// frames, in this order: an answer is filed only when it fits the frame at the queue's head.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "firmware/UpdateSequencer.h"
#include "model/TuningSession.h"
#include "protocol/FrameBuilder.h"
#include "transfer/BulkTransfers.h"

namespace corva::fuzz {

// A connection's handshake reads and full read (numbered as the bulk transfer numbers them),
// then a read that asks to be told of its answer, a firmware step, a plain write and the
// last frame of reading every stored preset: every kind of head frame an answer can meet.
inline std::vector<QueuedFrame> AnswerFuzzFrames() {
    TuningSession session;
    SessionState& state = session.engine();
    {
        std::lock_guard lock(state.sendLock);
        const FrameBuilder builder(state.image, state.protection);
        state.queue.push(builder.BuildSystemReadFrame(system_id::kSystemSettings));
        state.queue.push(builder.BuildSystemReadFrame(system_id::kVersionTag));
    }
    BulkTransfers(session).ReadLiveDevice();

    std::lock_guard lock(state.sendLock);
    const FrameBuilder builder(state.image, state.protection);
    auto told = builder.BuildSystemReadFrame(system_id::kMainVolume);
    told->notifyOnAnswer = true;
    state.queue.push(std::move(told));
    const std::uint8_t mcuHeader[4] = {1, 2, 3, 4};
    auto step = FrameBuilder::BuildFirmwareStep(firmware_step::kMcuHeader, mcuHeader);
    step->progressIndex = 1;
    state.queue.push(std::move(step));
    state.queue.push(builder.BuildSystemFrame(system_id::kMainVolume));
    auto lastPreset = builder.BuildBlockReadFrame(kPresetCount, BlockType::Output,
                                                  kOutputChannelCount - 1, ReadPurpose::Store);
    lastPreset->progressIndex = 1;
    lastPreset->endsBulk = true;
    state.queue.push(std::move(lastPreset));

    std::vector<QueuedFrame> frames;
    while (auto frame = state.queue.popFront()) {
        frames.push_back(*frame);
    }
    return frames;
}

}  // namespace corva::fuzz
