#include "commands/AutoEqJob.h"

#include "model/ChannelEditor.h"
#include "tuning/Measurement.h"
#include "tuning/OverlayCurves.h"
#include "tuning/TargetCurves.h"

namespace corva {

Status CheckAutoEqRequest(const AutoEqRequest& request) {
    if (request.smoothingFraction < 0 || request.smoothingFraction > kSmoothingFractionMax) {
        return Status::Fail(Tr("Commands", "Smoothing is 1/N octave with N = 1..48."));
    }
    return tuning::CheckAutoEqOptions(request.fit);
}

AutoEqInputs ReadAutoEqInputs(const AutoEqRequest& request) {
    AutoEqInputs inputs;
    const tuning::MeasurementRead measurement =
        tuning::ReadMeasurementFile(request.measurementFile);
    if (!measurement.status.ok()) {
        inputs.status = measurement.status;
        return inputs;
    }
    inputs.measured = tuning::ResampleToGrid(measurement.points, request.smoothingFraction);
    switch (request.target) {
        case AutoEqTarget::Flat:
            inputs.target = tuning::FlatTarget();
            break;
        case AutoEqTarget::House:
            inputs.target = tuning::HouseTarget();
            break;
        case AutoEqTarget::File: {
            const tuning::MeasurementRead file = tuning::ReadMeasurementFile(request.targetFile);
            if (!file.status.ok()) {
                inputs.status = file.status;
                return inputs;
            }
            inputs.target = tuning::ResampleToGrid(file.points);
            break;
        }
    }
    return inputs;
}

AutoEqPlan PlanAutoEq(const TuningSnapshot& snapshot, int channel, const AutoEqInputs& inputs,
                      const tuning::AutoEqOptions& fit) {
    const Response crossovers =
        tuning::CrossoverPart(snapshot.outputs[static_cast<std::size_t>(channel)]);
    AutoEqPlan plan;
    plan.channel = channel;
    plan.result = tuning::FitAutoEq(inputs.measured, inputs.target, crossovers, fit);
    plan.measured = inputs.measured;
    plan.target = inputs.target;
    for (std::size_t i = 0; i < plan.predicted.size(); ++i) {
        plan.predicted[i] = plan.result.bandsResponse[i] + crossovers[i];
    }
    return plan;
}

void ApplyAutoEq(TuningSession& session, const AutoEqPlan& plan) {
    EqualizerSettings settings;
    settings.bands = plan.result.bands;
    ChannelEditor(session).ApplyEqualizer(plan.channel, settings);
}

}  // namespace corva
