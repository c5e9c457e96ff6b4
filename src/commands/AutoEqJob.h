// Auto-EQ of one output channel as both front ends run it: the request (measurement file,
// target, smoothing, fit limits), the plan computed from a snapshot without the send lock (the
// bands, the error figures and the curves the graph overlays) and the apply, one undo step.
#pragma once

#include <string>

#include "core/Status.h"
#include "dsp/response/ResponseGrid.h"
#include "model/EqualizerSettings.h"
#include "model/TuningSession.h"
#include "tuning/AutoEq.h"

namespace corva {

enum class AutoEqTarget { Flat, House, File };

inline constexpr int kSmoothingFractionMax = 48;  // 1/48 octave, the finest smoothing offered

struct AutoEqRequest {
    std::string measurementFile;
    int channel = 0;
    AutoEqTarget target = AutoEqTarget::Flat;
    std::string targetFile;     // with AutoEqTarget::File
    int smoothingFraction = 0;  // 1/N octave before the fit, 1..48; 0 leaves it as measured
    tuning::AutoEqOptions fit;
};

// The request's limits: the fit's range and boost, the smoothing.
Status CheckAutoEqRequest(const AutoEqRequest& request);

// The request's files, read before anything connects.
struct AutoEqInputs {
    Status status = Status::Ok();
    Response measured{};  // on the response grid, smoothed as asked
    Response target{};
};
AutoEqInputs ReadAutoEqInputs(const AutoEqRequest& request);

struct AutoEqPlan {
    int channel = 0;
    tuning::AutoEqResult result;
    // What the graph draws: the measurement, the target and the channel's predicted response
    // (the planned bands with the channel's crossovers).
    Response measured{};
    Response target{};
    Response predicted{};
};

// Computed from the channel as `snapshot` holds it; takes no lock, so it may run on any thread.
AutoEqPlan PlanAutoEq(const TuningSnapshot& snapshot, int channel, const AutoEqInputs& inputs,
                      const tuning::AutoEqOptions& fit);

// The planned bands on the channel, as one undo step.
void ApplyAutoEq(TuningSession& session, const AutoEqPlan& plan);

}  // namespace corva
