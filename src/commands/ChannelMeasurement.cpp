#include "commands/ChannelMeasurement.h"

#include <cmath>

#include "commands/SoloMutes.h"
#include "measure/SweepAnalysis.h"

namespace corva {
namespace {

constexpr double kTailS = 0.6;

bool Asked(const std::function<bool()>& cancelled) {
    return cancelled && cancelled();
}

Status LinkLost() {
    return Status::Fail(
        Tr("Commands", "The connection to the processor was lost during the measurement."));
}

Status NoResponse(int channel) {
    return Status::Fail(Tr("Commands", "Output %1 gave no response at the microphone.")
                            .Arg(std::to_string(channel + 1)));
}

}  // namespace

int RecordSamplesFor(const measure::SweepSettings& sweep) {
    return static_cast<int>(std::lround((sweep.durationS + kTailS) * sweep.sampleRateHz));
}

MeasureOutcome MeasureChannels(TuningSession& session, audio::AudioSystem& audio,
                               const MeasureRequest& request, const MeasureHooks& hooks) {
    MeasureOutcome outcome;
    // 48 kHz, or the sound card's own rate where it cannot run at 48 kHz.
    measure::SweepSettings sweep = request.sweep;
    sweep.sampleRateHz = audio.RateFor(request.inputName, request.outputName);
    const int recordSamples = RecordSamplesFor(sweep);
    const measure::SweepDeconvolver deconvolver(sweep, recordSamples);
    SoloMutes mutes(session, hooks.waitUntilSent);
    const auto finish = [&](MeasureEnd end, Status status) {
        return EndWithMutesRestored(outcome, mutes, end, std::move(status));
    };

    std::vector<std::vector<Response>> levels(request.channels.size());
    std::vector<ChannelMeasurement> results(request.channels.size());
    for (int position = 0; position < request.positions; ++position) {
        if (position > 0 && hooks.nextPosition && !hooks.nextPosition(position)) {
            return finish(MeasureEnd::Cancelled, Status::Ok());
        }
        for (std::size_t i = 0; i < request.channels.size(); ++i) {
            const int channel = request.channels[i];
            if (Asked(hooks.cancelled)) {
                return finish(MeasureEnd::Cancelled, Status::Ok());
            }
            if (!mutes.Solo(channel)) {
                return finish(MeasureEnd::Failed, LinkLost());
            }
            if (hooks.progress) {
                hooks.progress(channel, position);
            }
            audio::DuplexRequest play;
            play.inputName = request.inputName;
            play.outputName = request.outputName;
            play.sampleRateHz = sweep.sampleRateHz;
            play.play = deconvolver.sweep();
            play.recordSamples = recordSamples;
            play.inputPeak = hooks.inputPeak;
            const audio::DuplexResult recorded = audio.PlayAndRecord(play);
            if (!recorded.status.ok()) {
                return finish(MeasureEnd::Failed, recorded.status);
            }
            ChannelMeasurement& result = results[i];
            result.channel = channel;
            const audio::InputLevelReport level = audio::CheckInputLevel(recorded.recorded);
            if (position == 0 || level.level != audio::InputLevel::Good) {
                result.level = level;
            }
            SweepReport report{channel, position, level, std::nullopt};
            const auto tell = [&hooks, &report] {
                if (hooks.swept) {
                    hooks.swept(report);
                }
            };
            if (level.level != audio::InputLevel::Good) {
                tell();
                return finish(MeasureEnd::Failed, Status::Fail(level.message));
            }
            measure::SweepResult analysed =
                measure::AnalyseSweep(deconvolver, recorded.recorded, request.smoothingFraction);
            if (!analysed.arrivalMs) {
                tell();
                return finish(MeasureEnd::Failed, NoResponse(channel));
            }
            if (request.microphone) {
                analysed.levelsDb = measure::Calibrated(analysed.levelsDb, *request.microphone);
            }
            result.arrivalMs.push_back(*analysed.arrivalMs);
            levels[i].push_back(analysed.levelsDb);
            report.analysed = std::move(analysed);
            tell();
        }
    }
    for (std::size_t i = 0; i < results.size(); ++i) {
        results[i].response = measure::PowerAverage(levels[i]);
        double sum = 0.0;
        for (const double ms : results[i].arrivalMs) {
            sum += ms;
        }
        results[i].meanArrivalMs = sum / static_cast<double>(results[i].arrivalMs.size());
    }
    outcome.channels = std::move(results);
    return finish(MeasureEnd::Done, Status::Ok());
}

}  // namespace corva
