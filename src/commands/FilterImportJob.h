// A REW or Equalizer APO filter file placed on one output channel as both front ends run it:
// the file read before anything connects, the plan made from a snapshot without the send lock
// (what each filter became, the figures, the file's and the processor's curves for the graph)
// and the apply, one undo step.
#pragma once

#include "model/TuningSession.h"
#include "tuning/FilterImport.h"

namespace corva {

struct FilterImportPlan {
    int channel = 0;
    tuning::FilterImport import;
};

FilterImportPlan PlanFilterImportJob(const TuningSnapshot& snapshot, int channel,
                                     const tuning::FilterFileRead& file, tuning::RestPolicy policy);

// Applies a plan that was not refused; false (nothing changed) for a refused one.
bool ApplyFilterImport(TuningSession& session, const FilterImportPlan& plan);

}  // namespace corva
