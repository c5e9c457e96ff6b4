#include "commands/FilterImportJob.h"

#include "model/ChannelEditor.h"

namespace corva {

FilterImportPlan PlanFilterImportJob(const TuningSnapshot& snapshot, int channel,
                                     const tuning::FilterFileRead& file,
                                     tuning::RestPolicy policy) {
    return {channel,
            tuning::PlanFilterImport(file, channel,
                                     snapshot.outputs[static_cast<std::size_t>(channel)], policy)};
}

bool ApplyFilterImport(TuningSession& session, const FilterImportPlan& plan) {
    if (plan.import.refused) {
        return false;
    }
    ChannelEditor(session).ApplyEqualizer(plan.channel, plan.import.settings);
    return true;
}

}  // namespace corva
