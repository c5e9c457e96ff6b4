#include "tuning/TargetCurves.h"

#include <array>
#include <cmath>

namespace corva::tuning {

Response FlatTarget() {
    return Response{};
}

Response HouseTarget() {
    struct Point {
        double hz;
        double db;
    };
    static constexpr std::array<Point, 10> kPoints{{{20.0, 8.0},
                                                    {50.0, 7.5},
                                                    {100.0, 5.0},
                                                    {200.0, 2.0},
                                                    {500.0, 0.0},
                                                    {1000.0, 0.0},
                                                    {2000.0, -1.0},
                                                    {5000.0, -2.5},
                                                    {10000.0, -4.0},
                                                    {20000.0, -6.0}}};
    Response target{};
    const auto& grid = GridFrequencies();
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const double hz = grid[i];
        if (hz <= kPoints.front().hz) {
            target[i] = kPoints.front().db;
            continue;
        }
        for (std::size_t k = 1; k < kPoints.size(); ++k) {
            if (hz <= kPoints[k].hz) {
                const double t =
                    std::log(hz / kPoints[k - 1].hz) / std::log(kPoints[k].hz / kPoints[k - 1].hz);
                target[i] = kPoints[k - 1].db + t * (kPoints[k].db - kPoints[k - 1].db);
                break;
            }
        }
    }
    return target;
}

}  // namespace corva::tuning
