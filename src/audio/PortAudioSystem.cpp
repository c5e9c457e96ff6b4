#include "audio/PortAudioSystem.h"

#include <alsa/asoundlib.h>
#include <portaudio.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>

#include "audio/InputLevelCheck.h"

namespace corva::audio {
namespace {

// ALSA's own diagnostics about devices it probes (and does not use) would end up on the
// terminal of every command that lists devices.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

// The stream ends this long after the recording should have been complete.
constexpr int kStreamSlackMs = 5000;
// How often the input meter hears of a recording in progress.
constexpr std::chrono::milliseconds kMeterStep{100};
// Silence played first: sound servers drop the first part of a new stream (on a busy machine
// for most of a second). The recording of that time is dropped too, so both still start with
// the first sample asked to be played (the sound card's clock is the same for both).
constexpr double kLeadInS = 1.0;
constexpr int kAttempts = 3;

UiText PortAudioError(const char* what, PaError error) {
    const std::string text = Pa_GetErrorText(error);
    return Tr("Measuring", "%1: %2").Arg(what).Arg(text);
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The device named exactly (any letter case), else the only one whose name contains the
// text; the default device for an empty name. paNoDevice when none or several match.
PaDeviceIndex FindDevice(const std::string& name, bool input) {
    if (name.empty()) {
        return input ? Pa_GetDefaultInputDevice() : Pa_GetDefaultOutputDevice();
    }
    PaDeviceIndex partial = paNoDevice;
    int partials = 0;
    std::string lowered = name;
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (PaDeviceIndex i = 0; i < Pa_GetDeviceCount(); ++i) {
        const PaDeviceInfo* info = Pa_GetDeviceInfo(i);
        if (info == nullptr || (input ? info->maxInputChannels : info->maxOutputChannels) <= 0) {
            continue;
        }
        std::string own = info->name;
        if (EqualsNoCase(own, name)) {
            return i;
        }
        std::transform(own.begin(), own.end(), own.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (own.find(lowered) != std::string::npos) {
            partial = i;
            ++partials;
        }
    }
    return partials == 1 ? partial : paNoDevice;
}

struct Run {
    const std::vector<double>* play = nullptr;
    std::vector<double> recorded;
    std::size_t played = 0;
    std::size_t filled = 0;
    std::atomic<std::size_t> published{0};  // samples of `recorded` the meter may read
    int outputChannels = 1;
    int inputChannels = 1;
    std::mutex mutex;
    std::condition_variable done;
    std::atomic<bool> finished{false};
    std::atomic<bool> glitched{false};  // samples were lost on the way in or out
};

int Callback(const void* input, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
             PaStreamCallbackFlags, void* user) {
    auto& run = *static_cast<Run*>(user);
    auto* out = static_cast<float*>(output);
    const auto* in = static_cast<const float*>(input);
    for (unsigned long f = 0; f < frames; ++f) {
        const float sample =
            run.played < run.play->size() ? static_cast<float>((*run.play)[run.played]) : 0.0f;
        ++run.played;
        for (int c = 0; c < run.outputChannels; ++c) {
            out[f * static_cast<unsigned long>(run.outputChannels) +
                static_cast<unsigned long>(c)] = sample;
        }
        if (run.filled < run.recorded.size()) {
            run.recorded[run.filled++] =
                in != nullptr ? in[f * static_cast<unsigned long>(run.inputChannels)] : 0.0f;
        }
    }
    run.published.store(run.filled, std::memory_order_release);
    if (run.filled >= run.recorded.size()) {
        {
            std::lock_guard lock(run.mutex);
            run.finished = true;
        }
        run.done.notify_all();
        return paComplete;
    }
    return paContinue;
}

}  // namespace

PortAudioSystem::PortAudioSystem() {
    snd_lib_error_set_handler(&QuietAlsa);
    if (const PaError error = Pa_Initialize(); error != paNoError) {
        started_ = Status::Fail(PortAudioError("The audio system cannot start", error));
    }
}

PortAudioSystem::~PortAudioSystem() {
    if (started_.ok()) {
        Pa_Terminate();
    }
}

std::vector<AudioDeviceInfo> PortAudioSystem::Devices() {
    std::vector<AudioDeviceInfo> devices;
    if (!started_.ok()) {
        return devices;
    }
    const PaDeviceIndex defaultInput = Pa_GetDefaultInputDevice();
    const PaDeviceIndex defaultOutput = Pa_GetDefaultOutputDevice();
    for (PaDeviceIndex i = 0; i < Pa_GetDeviceCount(); ++i) {
        const PaDeviceInfo* info = Pa_GetDeviceInfo(i);
        if (info == nullptr) {
            continue;
        }
        devices.push_back({info->name, info->maxInputChannels, info->maxOutputChannels,
                           info->defaultSampleRate, i == defaultInput, i == defaultOutput});
    }
    return devices;
}

DuplexResult PortAudioSystem::PlayAndRecord(const DuplexRequest& request) {
    if (!started_.ok()) {
        return {started_, {}};
    }
    // A run that lost samples (a busy machine, a sound server catching up) is worthless for a
    // measurement: it is run again, a few times at most.
    DuplexResult result;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        bool glitched = false;
        result = PlayAndRecordOnce(request, glitched);
        if (!result.status.ok() || !glitched) {
            return result;
        }
    }
    return {
        Status::Fail(Tr("Measuring",
                        "The sound card kept losing samples; close other programs and try again.")),
        {}};
}

int PortAudioSystem::RateFor(const std::string& inputName, const std::string& outputName) {
    if (!started_.ok()) {
        return kPreferredRateHz;
    }
    const PaDeviceIndex input = FindDevice(inputName, true);
    const PaDeviceIndex output = FindDevice(outputName, false);
    if (input == paNoDevice || output == paNoDevice) {
        return kPreferredRateHz;  // the run says which name matched nothing
    }
    const PaStreamParameters in{input, 1, paFloat32,
                                Pa_GetDeviceInfo(input)->defaultHighInputLatency, nullptr};
    const PaStreamParameters out{output, std::min(2, Pa_GetDeviceInfo(output)->maxOutputChannels),
                                 paFloat32, Pa_GetDeviceInfo(output)->defaultHighOutputLatency,
                                 nullptr};
    const auto takes = [&](double rateHz) {
        return Pa_IsFormatSupported(&in, &out, rateHz) == paFormatIsSupported;
    };
    const auto ownRateHz =
        static_cast<int>(std::lround(Pa_GetDeviceInfo(input)->defaultSampleRate));
    if (!takes(kPreferredRateHz) && ownRateHz > 0 && takes(ownRateHz)) {
        return ownRateHz;
    }
    return kPreferredRateHz;  // also when neither works: the run then gives PortAudio's reason
}

DuplexResult PortAudioSystem::PlayAndRecordOnce(const DuplexRequest& request, bool& glitched) {
    const PaDeviceIndex input = FindDevice(request.inputName, true);
    const PaDeviceIndex output = FindDevice(request.outputName, false);
    if (input == paNoDevice || output == paNoDevice) {
        const std::string& name = input == paNoDevice ? request.inputName : request.outputName;
        return {Status::Fail(Tr("Measuring", "No single audio device matches \"%1\".").Arg(name)),
                {}};
    }
    const auto leadIn = static_cast<std::size_t>(kLeadInS * request.sampleRateHz);
    std::vector<double> play(leadIn, 0.0);
    play.insert(play.end(), request.play.begin(), request.play.end());
    Run run;
    run.play = &play;
    run.recorded.assign(leadIn + static_cast<std::size_t>(std::max(0, request.recordSamples)), 0.0);
    run.outputChannels = std::min(2, Pa_GetDeviceInfo(output)->maxOutputChannels);
    run.inputChannels = 1;
    PaStreamParameters in{input, run.inputChannels, paFloat32,
                          Pa_GetDeviceInfo(input)->defaultHighInputLatency, nullptr};
    PaStreamParameters out{output, run.outputChannels, paFloat32,
                           Pa_GetDeviceInfo(output)->defaultHighOutputLatency, nullptr};
    PaStream* stream = nullptr;
    PaError error = Pa_OpenStream(&stream, &in, &out, request.sampleRateHz,
                                  paFramesPerBufferUnspecified, paClipOff, &Callback, &run);
    if (error != paNoError) {
        return {Status::Fail(PortAudioError("The audio devices cannot be opened", error)), {}};
    }
    error = Pa_StartStream(stream);
    if (error != paNoError) {
        Pa_CloseStream(stream);
        return {Status::Fail(PortAudioError("The audio stream cannot start", error)), {}};
    }
    const auto limit = std::chrono::milliseconds(
        static_cast<long long>(1000.0 * static_cast<double>(run.recorded.size()) /
                               request.sampleRateHz) +
        kStreamSlackMs);
    // Waits in short steps, so the meter follows what comes in while the run records.
    const auto deadline = std::chrono::steady_clock::now() + limit;
    bool complete = false;
    std::size_t metered = 0;
    while (!complete && std::chrono::steady_clock::now() < deadline) {
        {
            std::unique_lock lock(run.mutex);
            complete =
                run.done.wait_for(lock,
                                  std::min<std::chrono::steady_clock::duration>(
                                      kMeterStep, deadline - std::chrono::steady_clock::now()),
                                  [&] { return run.finished.load(); });
        }
        const std::size_t arrived = run.published.load(std::memory_order_acquire);
        if (request.inputPeak && arrived > metered) {
            request.inputPeak(PeakDbfs(run.recorded, metered, arrived));
            metered = arrived;
        }
    }
    Pa_StopStream(stream);
    Pa_CloseStream(stream);
    if (!complete) {
        return {Status::Fail(Tr("Measuring", "The audio device stopped delivering sound.")), {}};
    }
    glitched = run.glitched;
    run.recorded.erase(run.recorded.begin(),
                       run.recorded.begin() + static_cast<std::ptrdiff_t>(leadIn));
    return {Status::Ok(), std::move(run.recorded)};
}

}  // namespace corva::audio
