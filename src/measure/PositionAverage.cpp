#include "measure/PositionAverage.h"

#include <algorithm>
#include <cmath>

namespace corva::measure {

AveragedResponse PowerAverage(const std::vector<Response>& positions) {
    AveragedResponse average;
    for (std::size_t i = 0; i < average.levelsDb.size(); ++i) {
        double power = 0.0;
        double lowest = positions.front()[i];
        double highest = lowest;
        for (const Response& levels : positions) {
            power += std::pow(10.0, levels[i] / 10.0);
            lowest = std::min(lowest, levels[i]);
            highest = std::max(highest, levels[i]);
        }
        average.levelsDb[i] = 10.0 * std::log10(power / static_cast<double>(positions.size()));
        average.spreadDb[i] = highest - lowest;
    }
    return average;
}

}  // namespace corva::measure
