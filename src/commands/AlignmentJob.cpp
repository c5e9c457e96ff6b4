#include "commands/AlignmentJob.h"

#include "model/ChannelEditor.h"

namespace corva {

void ApplyAlignment(TuningSession& session, const tuning::TimeAlignment& plan) {
    std::array<std::optional<int>, kOutputChannelCount> codes{};
    for (std::size_t c = 0; c < codes.size(); ++c) {
        codes[c] = plan.channels[c].delayCode;
    }
    ChannelEditor(session).CommitDelays(codes);
}

}  // namespace corva
