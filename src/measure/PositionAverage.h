// Responses measured at several microphone positions brought to one: the power mean at every
// grid frequency, and how far the positions spread around it.
#pragma once

#include <vector>

#include "dsp/response/ResponseGrid.h"

namespace corva::measure {

struct AveragedResponse {
    Response levelsDb{};  // 10 log10 of the mean power
    Response spreadDb{};  // highest minus lowest position at each frequency
};

// `positions` must not be empty.
AveragedResponse PowerAverage(const std::vector<Response>& positions);

}  // namespace corva::measure
