#include "model/TuningState.h"

#include <algorithm>

namespace corva {

TuningState CaptureTuning(const TuningModel& model, const ParameterImage& image) {
    TuningState state;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        state.outputs[static_cast<std::size_t>(c)] = model.output(c).SavedValues();
    }
    const auto groups = image.LinkGroups();
    std::copy(groups.begin(), groups.end(), state.linkGroups.begin());
    const auto volume = image.MainVolume();
    std::copy(volume.begin(), volume.end(), state.mainVolume.begin());
    const auto name = image.Live().first(kNameFieldSize);
    std::copy(name.begin(), name.end(), state.liveName.begin());
    return state;
}

TuningState CaptureTuningWithPositions(const TuningModel& model, const ParameterImage& image) {
    TuningState state = CaptureTuning(model, image);
    const auto table = image.ListeningPositions();
    state.listeningPositions.emplace();
    std::copy(table.begin(), table.end(), state.listeningPositions->begin());
    return state;
}

}  // namespace corva
