#include "tuning/IdealFilters.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "tuning/TextLines.h"

namespace corva::tuning {
namespace {

using Complex = std::complex<double>;

double Db(Complex h) {
    return 20.0 * std::log10(std::max(std::abs(h), 1e-15));
}

// Q of a shelf: from its slope in dB/oct (12 dB/oct is the shelf slope 1) or its own Q.
double ShelfQ(const FileFilter& filter, double a) {
    if (filter.q) {
        return *filter.q;
    }
    if (!filter.slopeDbPerOctave) {
        return kButterworthQ;
    }
    const double s = *filter.slopeDbPerOctave / 12.0;
    const double radicand = std::max(1e-6, (a + 1.0 / a) * (1.0 / s - 1.0) + 2.0);
    return 1.0 / std::sqrt(radicand);
}

// REW's fixed-slope shelves ("LS 6dB", "HS 12dB") are given by their corner frequency, the
// edge of the transition on the shelf's side: first order for 6 dB/oct, second order with
// Q 0.707 for 12 dB/oct. 0 when the filter is not one of them.
int FixedSlopeShelfOrder(const FileFilter& filter) {
    const bool shelf = EqualsNoCase(filter.typeText, "LS") || EqualsNoCase(filter.typeText, "HS");
    if (!shelf || filter.q || !filter.slopeDbPerOctave) {
        return 0;
    }
    if (*filter.slopeDbPerOctave == 6.0) {
        return 1;
    }
    return *filter.slopeDbPerOctave == 12.0 ? 2 : 0;
}

// The midpoint of the transition lies toward the flat side of the corner: 10^(|gain|/40) away
// for the first-order form, 10^(|gain|/80) for the second-order one.
double MidpointHz(const FileFilter& filter, int order) {
    const double ratio = std::pow(10.0, std::abs(filter.gainDb) / (40.0 * order));
    return filter.type == FileFilterType::LowShelf ? filter.frequencyHz * ratio
                                                   : filter.frequencyHz / ratio;
}

Complex EvaluateFirstOrderShelf(const FileFilter& filter, double frequencyHz) {
    const Complex s{0.0, frequencyHz / MidpointHz(filter, 1)};
    const double root = std::pow(10.0, filter.gainDb / 40.0);  // square root of the gain
    if (filter.type == FileFilterType::LowShelf) {
        return (s + root) / (s + 1.0 / root);
    }
    return root * root * (s + 1.0 / root) / (s + root);
}

Complex Evaluate(const FileFilter& filter, double frequencyHz) {
    const int fixedOrder = FixedSlopeShelfOrder(filter);
    if (fixedOrder == 1) {
        return EvaluateFirstOrderShelf(filter, frequencyHz);
    }
    const double centreHz = fixedOrder == 2 ? MidpointHz(filter, 2) : filter.frequencyHz;
    const Complex s{0.0, frequencyHz / centreHz};
    switch (filter.type) {
        case FileFilterType::Peaking: {
            const double a = std::pow(10.0, filter.gainDb / 40.0);
            const double q = *filter.q;
            return (s * s + s * (a / q) + 1.0) / (s * s + s / (a * q) + 1.0);
        }
        case FileFilterType::LowShelf: {
            const double a = std::pow(10.0, filter.gainDb / 40.0);
            const double k = std::sqrt(a) / ShelfQ(filter, a);
            return a * (s * s + k * s + a) / (a * s * s + k * s + 1.0);
        }
        case FileFilterType::HighShelf: {
            const double a = std::pow(10.0, filter.gainDb / 40.0);
            const double k = std::sqrt(a) / ShelfQ(filter, a);
            return a * (a * s * s + k * s + 1.0) / (s * s + k * s + a);
        }
        case FileFilterType::LowPass: {
            const double q = filter.q.value_or(kButterworthQ);
            return 1.0 / (s * s + s / q + 1.0);
        }
        case FileFilterType::HighPass: {
            const double q = filter.q.value_or(kButterworthQ);
            return (s * s) / (s * s + s / q + 1.0);
        }
        case FileFilterType::Empty:
        case FileFilterType::Other:
            break;
    }
    return Complex{1.0, 0.0};
}

}  // namespace

Response IdealFilterResponse(const FileFilter& filter) {
    Response response{};
    if (!filter.enabled || filter.frequencyHz <= 0.0) {
        return response;
    }
    const auto& grid = GridFrequencies();
    for (std::size_t i = 0; i < grid.size(); ++i) {
        response[i] = Db(Evaluate(filter, grid[i]));
    }
    return response;
}

double ShelfMidpointHz(const FileFilter& filter) {
    const int order = FixedSlopeShelfOrder(filter);
    return order == 0 ? filter.frequencyHz : MidpointHz(filter, order);
}

double LargestDeviationDb(const Response& a, const Response& b) {
    double largest = 0.0;
    for (std::size_t i = kFirstAudibleGridIndex; i < a.size(); ++i) {
        largest = std::max(largest, std::abs(std::max(a[i], kDeviationFloorDb) -
                                             std::max(b[i], kDeviationFloorDb)));
    }
    return largest;
}

}  // namespace corva::tuning
