// Cosine and sine of every grid angle W[i], computed once so that evaluating a section costs
// no trigonometry. Private to the response library.
#pragma once

#include "dsp/response/ResponseGrid.h"

namespace corva {

struct GridTrig {
    std::array<double, kGridPoints> cosW{};
    std::array<double, kGridPoints> sinW{};
};

const GridTrig& GridTrigTables();

}  // namespace corva
