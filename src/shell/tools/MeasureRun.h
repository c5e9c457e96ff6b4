// Runs the measuring use cases on a thread of their own, so the window goes on while the
// sound plays and the analysis computes: a level test, a measurement of the six outputs (with
// the calibration plan worked out from it), a check after an apply, and the one-step
// calibration. What the run reports arrives on the window's thread as queued calls; the
// thread itself never waits for the window except when the microphone is to be moved.
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include <QObject>

#include "commands/LevelTest.h"
#include "commands/OneStepCalibration.h"

class QThread;

namespace corva::shell {

// A measurement of every output and the plan it gives (delays and bands).
struct MeasuredCar {
    MeasureOutcome outcome;
    std::array<ChannelCalibration, kOutputChannelCount> plan{};
};

class MeasureRun : public QObject {
    Q_OBJECT

public:
    explicit MeasureRun(TuningSession& session, QObject* parent = nullptr);
    // Cancels a run and waits for its thread: it uses the session and the sound devices.
    ~MeasureRun() override;

    bool running() const { return thread_ != nullptr; }

    // Told on the window's thread.
    std::function<void(int channel, int position)> onSweepStarting;
    std::function<void(const SweepReport& report)> onSwept;
    // The input's peak level (dBFS) while a sweep records.
    std::function<void(double peakDbfs)> onInputPeak;
    // Before each position after the first; the run waits for Continue() or Cancel().
    std::function<void(int position)> onMoveMicrophone;

    // Each returns false when a run is going on already.
    bool StartLevelTest(std::shared_ptr<audio::AudioSystem> audio, MeasureRequest request,
                        std::function<void(const LevelTestOutcome&)> done);
    // All six outputs, and the plan against `request.target`.
    bool StartMeasure(std::shared_ptr<audio::AudioSystem> audio, CalibrationRequest request,
                      std::function<void(const MeasuredCar&)> done);
    bool StartCalibrate(std::shared_ptr<audio::AudioSystem> audio, CalibrationRequest request,
                        std::function<void(const CalibrationOutcome&)> done);

    // Stops after the current sweep.
    void Cancel();
    // The microphone was moved: the run measures on.
    void Continue();
    // The connection ended: waits for the processor end at once.
    void LinkLost() { linkLost_ = true; }

signals:
    void Finished();

private:
    template <class Result>
    bool Start(std::function<Result()> work, std::function<void(const Result&)> done);
    MeasureHooks Hooks();
    bool WaitUntilSent();
    bool WaitForMicrophone(int position);

    TuningSession& session_;
    QThread* thread_ = nullptr;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> linkLost_{false};
    std::mutex positionMutex_;
    std::condition_variable positionChanged_;
    std::optional<bool> positionAnswer_;  // true: go on, false: cancelled
};

}  // namespace corva::shell
