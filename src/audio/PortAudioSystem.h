// Sound cards through PortAudio: every device it lists, and one duplex stream per run so the
// played sweep and the recording share one clock.
#pragma once

#include "audio/AudioSystem.h"

namespace corva::audio {

class PortAudioSystem : public AudioSystem {
public:
    PortAudioSystem();
    ~PortAudioSystem() override;
    PortAudioSystem(const PortAudioSystem&) = delete;
    PortAudioSystem& operator=(const PortAudioSystem&) = delete;

    // Whether PortAudio started (a failure is reported by every call).
    const Status& started() const { return started_; }

    std::vector<AudioDeviceInfo> Devices() override;
    DuplexResult PlayAndRecord(const DuplexRequest& request) override;
    int RateFor(const std::string& inputName, const std::string& outputName) override;

private:
    DuplexResult PlayAndRecordOnce(const DuplexRequest& request, bool& glitched);

    Status started_ = Status::Ok();
};

}  // namespace corva::audio
