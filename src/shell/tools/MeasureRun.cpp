#include "shell/tools/MeasureRun.h"

#include <chrono>
#include <thread>

#include <QThread>

namespace corva::shell {
namespace {

// How long the processor may take to answer the mutes of one solo.
constexpr auto kSendLimit = std::chrono::seconds(10);
constexpr auto kSendPoll = std::chrono::milliseconds(5);

std::vector<int> AllOutputs() {
    std::vector<int> channels;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        channels.push_back(c);
    }
    return channels;
}

}  // namespace

MeasureRun::MeasureRun(TuningSession& session, QObject* parent)
    : QObject(parent), session_{session} {}

MeasureRun::~MeasureRun() {
    if (thread_ != nullptr) {
        Cancel();
        linkLost_ = true;
        thread_->wait();
        delete thread_;
    }
}

void MeasureRun::Cancel() {
    cancelled_ = true;
    std::lock_guard lock(positionMutex_);
    positionAnswer_ = false;
    positionChanged_.notify_all();
}

void MeasureRun::Continue() {
    std::lock_guard lock(positionMutex_);
    positionAnswer_ = true;
    positionChanged_.notify_all();
}

bool MeasureRun::WaitUntilSent() {
    const auto deadline = std::chrono::steady_clock::now() + kSendLimit;
    while (!linkLost_) {
        if (session_.NothingLeftToSend()) {
            return true;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(kSendPoll);
    }
    return false;
}

bool MeasureRun::WaitForMicrophone(int position) {
    {
        std::lock_guard lock(positionMutex_);
        if (cancelled_) {
            return false;
        }
        positionAnswer_.reset();
    }
    QMetaObject::invokeMethod(
        this,
        [this, position] {
            if (onMoveMicrophone) {
                onMoveMicrophone(position);
            }
        },
        Qt::QueuedConnection);
    std::unique_lock lock(positionMutex_);
    positionChanged_.wait(lock, [this] { return positionAnswer_.has_value(); });
    return *positionAnswer_ && !cancelled_;
}

MeasureHooks MeasureRun::Hooks() {
    MeasureHooks hooks;
    hooks.waitUntilSent = [this] { return WaitUntilSent(); };
    hooks.cancelled = [this] { return cancelled_.load(); };
    hooks.nextPosition = [this](int position) { return WaitForMicrophone(position); };
    hooks.progress = [this](int channel, int position) {
        QMetaObject::invokeMethod(
            this,
            [this, channel, position] {
                if (onSweepStarting) {
                    onSweepStarting(channel, position);
                }
            },
            Qt::QueuedConnection);
    };
    hooks.swept = [this](const SweepReport& report) {
        QMetaObject::invokeMethod(
            this,
            [this, report] {
                if (onSwept) {
                    onSwept(report);
                }
            },
            Qt::QueuedConnection);
    };
    hooks.inputPeak = [this](double peakDbfs) {
        QMetaObject::invokeMethod(
            this,
            [this, peakDbfs] {
                if (onInputPeak) {
                    onInputPeak(peakDbfs);
                }
            },
            Qt::QueuedConnection);
    };
    return hooks;
}

template <class Result>
bool MeasureRun::Start(std::function<Result()> work, std::function<void(const Result&)> done) {
    if (thread_ != nullptr) {
        return false;
    }
    cancelled_ = false;
    linkLost_ = false;
    auto result = std::make_shared<Result>();
    thread_ = QThread::create([result, work = std::move(work)] { *result = work(); });
    connect(thread_, &QThread::finished, this, [this, result, done = std::move(done)] {
        thread_->deleteLater();
        thread_ = nullptr;
        done(*result);
        emit Finished();
    });
    thread_->start();
    return true;
}

bool MeasureRun::StartLevelTest(std::shared_ptr<audio::AudioSystem> audio, MeasureRequest request,
                                std::function<void(const LevelTestOutcome&)> done) {
    return Start<LevelTestOutcome>(
        [this, audio = std::move(audio), request = std::move(request)] {
            return TestInputLevel(session_, *audio, request, Hooks());
        },
        std::move(done));
}

bool MeasureRun::StartMeasure(std::shared_ptr<audio::AudioSystem> audio, CalibrationRequest request,
                              std::function<void(const MeasuredCar&)> done) {
    return Start<MeasuredCar>(
        [this, audio = std::move(audio), request = std::move(request)]() mutable {
            request.measure.channels = AllOutputs();
            const TuningSnapshot before = session_.Snapshot();
            MeasuredCar car;
            car.outcome = MeasureChannels(session_, *audio, request.measure, Hooks());
            if (car.outcome.end == MeasureEnd::Done) {
                // The fit takes a moment: here, not on the window's thread.
                car.plan = PlanCalibration(before, car.outcome.channels, request);
            }
            return car;
        },
        std::move(done));
}

bool MeasureRun::StartCalibrate(std::shared_ptr<audio::AudioSystem> audio,
                                CalibrationRequest request,
                                std::function<void(const CalibrationOutcome&)> done) {
    return Start<CalibrationOutcome>(
        [this, audio = std::move(audio), request = std::move(request)] {
            return CalibrateCar(session_, *audio, request, Hooks());
        },
        std::move(done));
}

}  // namespace corva::shell
