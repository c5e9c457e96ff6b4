// Time alignment from the distances between the seat and each speaker as both front ends run
// it: the plan (each channel's delay, whether it had to be limited) needs no processor; the
// apply sets every planned delay as one undo step.
#pragma once

#include "model/TuningSession.h"
#include "tuning/TimeAlignment.h"

namespace corva {

inline tuning::TimeAlignment PlanAlignment(const tuning::ChannelDistances& distances,
                                           tuning::DistanceUnit unit) {
    return tuning::AlignFromDistances(distances, unit);
}

// Channels without a distance keep their delay (a linked partner follows, as on the page).
void ApplyAlignment(TuningSession& session, const tuning::TimeAlignment& plan);

}  // namespace corva
