// A fixture with an engine connected to a simulated processor whose tuning has been read: its
// live record, the writes it received and a wait until every edit has reached it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "files/FileTestSupport.h"
#include "model/ChannelEditor.h"
#include "protocol/FrameLayout.h"
#include "transfer/EngineHarness.h"

namespace corva::test {

// How much of each frame WritesSent names: "type/channel" or "type/channel/slot".
enum class FrameDetail { Channel, Slot };

class ConnectedProcessorTest : public ::testing::Test {
protected:
    void SetUp() override {
        processor = devices.Plug("dsp");
        ASSERT_TRUE(engine.controller.ConnectToPath("dsp").ok());
        ASSERT_TRUE(engine.WaitSynchronised());
    }

    // The live record as the processor holds it.
    Bytes LiveOfProcessor() {
        Bytes live;
        processor->WithMemory([&](ParameterImage& memory) {
            live.assign(memory.Live().begin(), memory.Live().end());
        });
        return live;
    }

    // Waits until every edit has reached the processor.
    void Settle() {
        ASSERT_TRUE(engine.PumpUntil([&] { return engine.session.NothingLeftToSend(); }));
        ASSERT_TRUE(engine.WaitQueueIdle());
    }

    // Frames the processor received since the last clear, without the idle polls.
    std::vector<std::string> WritesSent(FrameDetail detail = FrameDetail::Channel) {
        std::vector<std::string> sent;
        for (const auto& frame : processor->ReceivedFrames()) {
            if (frame[frame::kBlockType] == 9 && frame[frame::kChannel] == 3) {
                continue;
            }
            std::string described = std::to_string(frame[frame::kBlockType]) + "/" +
                                    std::to_string(frame[frame::kChannel]);
            if (detail == FrameDetail::Slot) {
                described += "/" + std::to_string(frame[frame::kSlot]);
            }
            sent.push_back(described);
        }
        return sent;
    }

    sim::SimDeviceEnumerator devices;
    SharedInUseMarkers inUse;
    ScratchFolder folder;
    std::shared_ptr<sim::SimulatedProcessor> processor;
    Engine engine{devices, inUse};
    ChannelEditor editor{engine.session};
};

}  // namespace corva::test
