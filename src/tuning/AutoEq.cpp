#include "tuning/AutoEq.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "dsp/values/BandCodes.h"
#include "dsp/values/DefaultBandFrequencies.h"
#include "tuning/PeakingCurve.h"
#include "tuning/ProcessorFit.h"

namespace corva::tuning {
namespace {

constexpr int kBands = output_block::kBandSlots;
constexpr double kLowestOctaves = 0.05;
constexpr double kHighestOctaves = 3.0;
constexpr double kHighestGainDb = 20.0;
// Residual peaks smaller than this are not worth a band.
constexpr double kSmallestCorrectionDb = 0.05;
// Floating slack on the boost limit of the bands' sum.
constexpr double kBoostSlackDb = 0.005;
constexpr int kBandIterations = 15;
constexpr int kJointIterations = 30;
constexpr int kDiscretePasses = 40;

// ---------------------------------------------------------------- the cost of a curve

// Sum of squared errors over the span with the mean removed: the target may sit at any level.
double SpanCost(const Response& offset, const Response& bands, GridSpan span) {
    double sum = 0.0;
    double squares = 0.0;
    for (int i = span.first; i <= span.last; ++i) {
        const double e = offset[static_cast<std::size_t>(i)] + bands[static_cast<std::size_t>(i)];
        sum += e;
        squares += e * e;
    }
    return squares - sum * sum / span.count();
}

double Highest(const Response& curve) {
    return *std::max_element(curve.begin(), curve.end());
}

// Solves (a) x = b for a symmetric positive definite a (n x n, row-major) in place; false when
// it is not positive definite.
bool SolveCholesky(std::vector<double>& a, std::vector<double>& b, int n) {
    for (int j = 0; j < n; ++j) {
        double d = a[static_cast<std::size_t>(j * n + j)];
        for (int k = 0; k < j; ++k) {
            d -= a[static_cast<std::size_t>(j * n + k)] * a[static_cast<std::size_t>(j * n + k)];
        }
        if (!(d > 0.0)) {
            return false;
        }
        d = std::sqrt(d);
        a[static_cast<std::size_t>(j * n + j)] = d;
        for (int i = j + 1; i < n; ++i) {
            double s = a[static_cast<std::size_t>(i * n + j)];
            for (int k = 0; k < j; ++k) {
                s -=
                    a[static_cast<std::size_t>(i * n + k)] * a[static_cast<std::size_t>(j * n + k)];
            }
            a[static_cast<std::size_t>(i * n + j)] = s / d;
        }
    }
    for (int i = 0; i < n; ++i) {
        double s = b[static_cast<std::size_t>(i)];
        for (int k = 0; k < i; ++k) {
            s -= a[static_cast<std::size_t>(i * n + k)] * b[static_cast<std::size_t>(k)];
        }
        b[static_cast<std::size_t>(i)] = s / a[static_cast<std::size_t>(i * n + i)];
    }
    for (int i = n - 1; i >= 0; --i) {
        double s = b[static_cast<std::size_t>(i)];
        for (int k = i + 1; k < n; ++k) {
            s -= a[static_cast<std::size_t>(k * n + i)] * b[static_cast<std::size_t>(k)];
        }
        b[static_cast<std::size_t>(i)] = s / a[static_cast<std::size_t>(i * n + i)];
    }
    return true;
}

// ---------------------------------------------------------------- continuous fit

struct SmoothBand {
    double log2Hz = 0.0;
    double logOctaves = 0.0;
    double gainDb = 0.0;

    double& operator[](int p) { return p == 0 ? log2Hz : (p == 1 ? logOctaves : gainDb); }
};

struct Limits {
    double lowestLog2Hz = 0.0;
    double highestLog2Hz = 0.0;
    double lowestGainDb = 0.0;
    double highestGainDb = 0.0;
};

// Bands with any centre, any bandwidth and any gain within the limits, fitted by greedy
// placement and Levenberg-Marquardt steps.
class SmoothFit {
public:
    SmoothFit(const PeakingCurve& curve, const Response& offset, GridSpan span, Limits limits)
        : curve_{curve}, offset_{offset}, span_{span}, limits_{limits} {}

    // Places up to `count` bands one by one where the error is largest, then refines all.
    void Run(int count) {
        for (int k = 0; k < count; ++k) {
            if (!AddBandAtLargestError()) {
                break;
            }
            Refine({static_cast<int>(bands_.size()) - 1}, kBandIterations);
        }
        std::vector<int> all(bands_.size());
        for (std::size_t k = 0; k < all.size(); ++k) {
            all[k] = static_cast<int>(k);
        }
        Refine(all, kJointIterations);
    }

    const std::vector<SmoothBand>& bands() const { return bands_; }

private:
    void CurveOf(const SmoothBand& band, Response& out) const {
        curve_.Evaluate(std::exp2(band.log2Hz), std::exp(band.logOctaves), band.gainDb, out);
    }

    SmoothBand Limited(SmoothBand band) const {
        band.log2Hz = std::clamp(band.log2Hz, limits_.lowestLog2Hz, limits_.highestLog2Hz);
        band.logOctaves =
            std::clamp(band.logOctaves, std::log(kLowestOctaves), std::log(kHighestOctaves));
        band.gainDb = std::clamp(band.gainDb, limits_.lowestGainDb, limits_.highestGainDb);
        return band;
    }

    // The error left over the span (the offset plus the bands), one value a point, into `error`
    // (sized to the span); returns its mean.
    double SpanError(std::vector<double>& error) const {
        const int n = span_.count();
        double mean = 0.0;
        for (int i = 0; i < n; ++i) {
            const auto at = static_cast<std::size_t>(span_.first + i);
            error[static_cast<std::size_t>(i)] = offset_[at] + sum_[at];
            mean += error[static_cast<std::size_t>(i)];
        }
        return mean / n;
    }

    bool AddBandAtLargestError() {
        const int n = span_.count();
        std::vector<double> error(static_cast<std::size_t>(n));
        const double mean = SpanError(error);
        // The point where a band can remove the most, given the boost and cut limits.
        int best = -1;
        double bestGain = 0.0;
        for (int i = 0; i < n; ++i) {
            const double gain = std::clamp(-(error[static_cast<std::size_t>(i)] - mean),
                                           limits_.lowestGainDb, limits_.highestGainDb);
            if (std::abs(gain) > std::abs(bestGain)) {
                bestGain = gain;
                best = i;
            }
        }
        if (best < 0 || std::abs(bestGain) < kSmallestCorrectionDb) {
            return false;
        }
        // Width: as far as the error stays beyond half of its peak on the same side.
        const double peak = error[static_cast<std::size_t>(best)] - mean;
        int left = best;
        int right = best;
        const auto sameSideHalf = [&](int i) {
            const double e = error[static_cast<std::size_t>(i)] - mean;
            return e * peak > 0.0 && std::abs(e) >= std::abs(peak) / 2.0;
        };
        while (left > 0 && sameSideHalf(left - 1)) {
            --left;
        }
        while (right < n - 1 && sameSideHalf(right + 1)) {
            ++right;
        }
        const double halfWidthOctaves = (right - left + 1) / 48.0;
        SmoothBand band;
        band.log2Hz = std::log2(GridFrequencies()[static_cast<std::size_t>(span_.first + best)]);
        band.logOctaves = std::log(std::clamp(halfWidthOctaves, kLowestOctaves, kHighestOctaves));
        band.gainDb = bestGain;
        band = Limited(band);
        bands_.push_back(band);
        curves_.emplace_back();
        CurveOf(band, curves_.back());
        for (std::size_t i = 0; i < sum_.size(); ++i) {
            sum_[i] += curves_.back()[i];
        }
        return true;
    }

    // Levenberg-Marquardt over the three values of the chosen bands, the others held.
    void Refine(const std::vector<int>& chosen, int iterations) {
        static constexpr double kSteps[3] = {1e-4, 1e-3, 1e-3};
        const int n = span_.count();
        const int params = 3 * static_cast<int>(chosen.size());
        std::vector<double> jacobian(static_cast<std::size_t>(params * n));
        std::vector<double> residual(static_cast<std::size_t>(n));
        std::vector<double> normal(static_cast<std::size_t>(params * params));
        std::vector<double> gradient(static_cast<std::size_t>(params));
        Response probe{};
        double lambda = 1e-3;
        double cost = SpanCost(offset_, sum_, span_);
        for (int iteration = 0; iteration < iterations; ++iteration) {
            const double mean = SpanError(residual);
            for (double& r : residual) {
                r -= mean;
            }
            for (int q = 0; q < static_cast<int>(chosen.size()); ++q) {
                const auto k = static_cast<std::size_t>(chosen[static_cast<std::size_t>(q)]);
                for (int p = 0; p < 3; ++p) {
                    SmoothBand moved = bands_[k];
                    double step = kSteps[p];
                    moved[p] += step;
                    if (Limited(moved)[p] != moved[p]) {
                        step = -step;
                        moved[p] = bands_[k][p] + step;
                    }
                    CurveOf(moved, probe);
                    double* column = &jacobian[static_cast<std::size_t>((3 * q + p) * n)];
                    double columnMean = 0.0;
                    for (int i = 0; i < n; ++i) {
                        const auto at = static_cast<std::size_t>(span_.first + i);
                        column[i] = (probe[at] - curves_[k][at]) / step;
                        columnMean += column[i];
                    }
                    columnMean /= n;
                    for (int i = 0; i < n; ++i) {
                        column[i] -= columnMean;
                    }
                }
            }
            for (int a = 0; a < params; ++a) {
                const double* ca = &jacobian[static_cast<std::size_t>(a * n)];
                double g = 0.0;
                for (int i = 0; i < n; ++i) {
                    g += ca[i] * residual[static_cast<std::size_t>(i)];
                }
                gradient[static_cast<std::size_t>(a)] = g;
                for (int b = 0; b <= a; ++b) {
                    const double* cb = &jacobian[static_cast<std::size_t>(b * n)];
                    double s = 0.0;
                    for (int i = 0; i < n; ++i) {
                        s += ca[i] * cb[i];
                    }
                    normal[static_cast<std::size_t>(a * params + b)] = s;
                    normal[static_cast<std::size_t>(b * params + a)] = s;
                }
            }
            bool accepted = false;
            for (int attempt = 0; attempt < 10 && !accepted; ++attempt) {
                std::vector<double> system = normal;
                std::vector<double> delta(static_cast<std::size_t>(params));
                for (int a = 0; a < params; ++a) {
                    auto& diagonal = system[static_cast<std::size_t>(a * params + a)];
                    diagonal += lambda * diagonal + 1e-9;
                    delta[static_cast<std::size_t>(a)] = -gradient[static_cast<std::size_t>(a)];
                }
                if (!SolveCholesky(system, delta, params)) {
                    lambda *= 10.0;
                    continue;
                }
                std::vector<SmoothBand> trial = bands_;
                std::vector<Response> trialCurves = curves_;
                Response trialSum = sum_;
                for (int q = 0; q < static_cast<int>(chosen.size()); ++q) {
                    const auto k = static_cast<std::size_t>(chosen[static_cast<std::size_t>(q)]);
                    for (int p = 0; p < 3; ++p) {
                        trial[k][p] += delta[static_cast<std::size_t>(3 * q + p)];
                    }
                    trial[k] = Limited(trial[k]);
                    CurveOf(trial[k], trialCurves[k]);
                    for (std::size_t i = 0; i < trialSum.size(); ++i) {
                        trialSum[i] += trialCurves[k][i] - curves_[k][i];
                    }
                }
                const double trialCost = SpanCost(offset_, trialSum, span_);
                if (trialCost < cost) {
                    const double gained = cost - trialCost;
                    bands_ = std::move(trial);
                    curves_ = std::move(trialCurves);
                    sum_ = trialSum;
                    cost = trialCost;
                    lambda = std::max(lambda * 0.3, 1e-7);
                    accepted = true;
                    if (gained < 1e-7 * cost + 1e-12) {
                        return;
                    }
                } else {
                    lambda *= 4.0;
                }
            }
            if (!accepted) {
                return;
            }
        }
    }

    const PeakingCurve& curve_;
    const Response& offset_;
    GridSpan span_;
    Limits limits_;
    std::vector<SmoothBand> bands_;
    std::vector<Response> curves_;
    Response sum_{};
};

// ---------------------------------------------------------------- the processor's steps

struct StepBand {
    int place = 0;  // position in the list of usable centres
    int bandwidthIndex = 15;
    int gainCode = kBandGainCodeFlat;
};

// Bands on the processor's own values, improved one step at a time: each pass tries, for
// every band, moves of its centre, bandwidth step and gain step and takes the best one that
// lowers the error without breaking a limit, until no move helps.
class StepFit {
public:
    StepFit(const PeakingCurve& curve, const Response& offset, GridSpan span,
            const AutoEqOptions& options)
        : curve_{curve}, offset_{offset}, span_{span} {
        // Centres the processor can hold: grid points inside the range whose stored whole-Hz
        // frequency is centred there again.
        for (int g = std::max(span.first, 1); g <= span.last; ++g) {
            const int hz =
                BandFrequencyForGridIndex(g, GridFrequencies()[static_cast<std::size_t>(g)]);
            if (NearestGridIndex(hz) == g) {
                centres_.push_back(g);
                storedHz_.push_back(hz);
            }
        }
        lowestCode_ =
            kBandGainCodeFlat - static_cast<int>(std::floor(options.maxCutDb * 10.0 + 1e-6));
        highestCode_ =
            kBandGainCodeFlat + static_cast<int>(std::floor(options.maxBoostDb * 10.0 + 1e-6));
        boostLimitDb_ = options.maxBoostDb + kBoostSlackDb;
    }

    bool usable() const { return !centres_.empty(); }

    int PlaceNearest(double hz) const {
        const int wanted = NearestGridIndex(hz);
        int best = 0;
        for (int p = 0; p < static_cast<int>(centres_.size()); ++p) {
            if (std::abs(centres_[static_cast<std::size_t>(p)] - wanted) <
                std::abs(centres_[static_cast<std::size_t>(best)] - wanted)) {
                best = p;
            }
        }
        return best;
    }

    void Add(StepBand band) {
        band.gainCode = std::clamp(band.gainCode, lowestCode_, highestCode_);
        band.bandwidthIndex = std::clamp(band.bandwidthIndex, 0, kBandwidthIndexMax);
        bands_.push_back(band);
        curves_.emplace_back();
        CurveOf(band, curves_.back());
        for (std::size_t i = 0; i < sum_.size(); ++i) {
            sum_[i] += curves_.back()[i];
        }
    }

    // Lowers boosts, one step at a time, until no point of the sum is above the limit.
    void KeepBoostWithinLimit() {
        while (Highest(sum_) > boostLimitDb_) {
            const auto top =
                static_cast<std::size_t>(std::max_element(sum_.begin(), sum_.end()) - sum_.begin());
            std::size_t culprit = 0;
            for (std::size_t k = 1; k < bands_.size(); ++k) {
                if (curves_[k][top] > curves_[culprit][top]) {
                    culprit = k;
                }
            }
            if (curves_[culprit][top] <= 0.0) {
                return;  // cannot happen: a positive sum needs a positive part
            }
            StepBand lowered = bands_[culprit];
            --lowered.gainCode;
            Replace(culprit, lowered);
        }
    }

    void Descend() {
        static constexpr int kCentreMoves[] = {-4, -2, -1, 1, 2, 4};
        static constexpr int kWidthMoves[] = {-16, -8, -4, -2, -1, 1, 2, 4, 8, 16};
        static constexpr int kGainMoves[] = {-16, -8, -4, -2, -1, 1, 2, 4, 8, 16};
        double cost = SpanCost(offset_, sum_, span_);
        Response candidateCurve{};
        Response candidateSum{};
        for (int pass = 0; pass < kDiscretePasses; ++pass) {
            bool improved = false;
            for (std::size_t k = 0; k < bands_.size(); ++k) {
                std::vector<StepBand> moves;
                const StepBand& at = bands_[k];
                for (const int m : kCentreMoves) {
                    moves.push_back({at.place + m, at.bandwidthIndex, at.gainCode});
                }
                for (const int m : kWidthMoves) {
                    moves.push_back({at.place, at.bandwidthIndex + m, at.gainCode});
                }
                for (const int m : kGainMoves) {
                    moves.push_back({at.place, at.bandwidthIndex, at.gainCode + m});
                }
                for (const int dc : {-1, 1}) {
                    for (const int dw : {-1, 1}) {
                        moves.push_back({at.place + dc, at.bandwidthIndex + dw, at.gainCode});
                    }
                }
                moves.push_back({at.place, at.bandwidthIndex, kBandGainCodeFlat});
                double bestCost = cost;
                std::optional<StepBand> best;
                for (const StepBand& move : moves) {
                    if (!Valid(move) ||
                        (at.gainCode == kBandGainCodeFlat && move.gainCode == kBandGainCodeFlat)) {
                        continue;
                    }
                    CurveOf(move, candidateCurve);
                    for (std::size_t i = 0; i < sum_.size(); ++i) {
                        candidateSum[i] = sum_[i] - curves_[k][i] + candidateCurve[i];
                    }
                    if (move.gainCode > kBandGainCodeFlat &&
                        Highest(candidateSum) > boostLimitDb_) {
                        continue;
                    }
                    const double moveCost = SpanCost(offset_, candidateSum, span_);
                    if (moveCost < bestCost - 1e-12) {
                        bestCost = moveCost;
                        best = move;
                    }
                }
                if (best) {
                    Replace(k, *best);
                    cost = bestCost;
                    improved = true;
                }
            }
            if (!improved) {
                break;
            }
        }
    }

    BandSetting Setting(const StepBand& band) const {
        BandSetting setting;
        setting.type = FilterType::Peaking;
        setting.frequencyHz = storedHz_[static_cast<std::size_t>(band.place)];
        setting.gainCode = band.gainCode;
        setting.bandwidthIndex = band.bandwidthIndex;
        return setting;
    }

    const std::vector<StepBand>& bands() const { return bands_; }

private:
    bool Valid(const StepBand& band) const {
        return band.place >= 0 && band.place < static_cast<int>(centres_.size()) &&
               band.bandwidthIndex >= 0 && band.bandwidthIndex <= kBandwidthIndexMax &&
               band.gainCode >= lowestCode_ && band.gainCode <= highestCode_;
    }

    void CurveOf(const StepBand& band, Response& out) const {
        if (band.gainCode == kBandGainCodeFlat) {
            out.fill(0.0);
            return;
        }
        curve_.Evaluate(GridFrequencies()[static_cast<std::size_t>(
                            centres_[static_cast<std::size_t>(band.place)])],
                        BandwidthOctaves(band.bandwidthIndex), BandGainDb(band.gainCode), out);
    }

    void Replace(std::size_t k, const StepBand& band) {
        Response updated{};
        CurveOf(band, updated);
        for (std::size_t i = 0; i < sum_.size(); ++i) {
            sum_[i] += updated[i] - curves_[k][i];
        }
        curves_[k] = updated;
        bands_[k] = band;
    }

    const PeakingCurve& curve_;
    const Response& offset_;
    GridSpan span_;
    std::vector<int> centres_;
    std::vector<int> storedHz_;
    int lowestCode_ = 0;
    int highestCode_ = kBandGainCodeMax;
    double boostLimitDb_ = 0.0;
    std::vector<StepBand> bands_;
    std::vector<Response> curves_;
    Response sum_{};
};

// The rise of the result above the measurement (the fixed part plus the bands, as the
// processor computes them) kept within the boost limit: the band adding most at the highest
// point loses a gain step until no point is above the limit or no band adds anything there.
void KeepRiseWithinLimit(std::array<BandSetting, kBands>& bands, const Response& fixedResponse,
                         double maxBoostDb) {
    std::array<Response, kBands> curves{};
    Response rise = fixedResponse;
    for (std::size_t k = 0; k < bands.size(); ++k) {
        curves[k] = BandResponse(bands[k]);
        for (std::size_t i = 0; i < rise.size(); ++i) {
            rise[i] += curves[k][i];
        }
    }
    while (Highest(rise) > maxBoostDb + kBoostSlackDb) {
        const auto top =
            static_cast<std::size_t>(std::max_element(rise.begin(), rise.end()) - rise.begin());
        std::size_t culprit = 0;
        for (std::size_t k = 1; k < bands.size(); ++k) {
            if (curves[k][top] > curves[culprit][top]) {
                culprit = k;
            }
        }
        if (curves[culprit][top] <= 0.0 || bands[culprit].gainCode <= kBandGainCodeFlat) {
            return;  // the fixed part alone rises there: no band can be lowered for it
        }
        --bands[culprit].gainCode;
        const Response lowered = BandResponse(bands[culprit]);
        for (std::size_t i = 0; i < rise.size(); ++i) {
            rise[i] += lowered[i] - curves[culprit][i];
        }
        curves[culprit] = lowered;
    }
}

}  // namespace

Status CheckAutoEqOptions(const AutoEqOptions& options) {
    if (!(options.maxBoostDb >= 0.0 && options.maxBoostDb <= kHighestGainDb)) {
        return Status::Fail(Tr("Measuring", "The boost limit must be between 0 and 20 dB."));
    }
    if (!(options.maxCutDb >= 0.0 && options.maxCutDb <= kHighestGainDb)) {
        return Status::Fail(Tr("Measuring", "The cut limit must be between 0 and 20 dB."));
    }
    if (!(options.lowHz >= 20.0 && options.highHz <= 20000.0 &&
          options.highHz >= options.lowHz * std::exp2(1.0 / 3.0))) {
        return Status::Fail(Tr("Measuring",
                               "The fit range must lie within 20 Hz..20 kHz and span at least a "
                               "third of an octave."));
    }
    return Status::Ok();
}

AutoEqResult FitAutoEq(const Response& measurement, const Response& target,
                       const Response& fixedResponse, const AutoEqOptions& options) {
    const GridSpan span = GridSpanOf(options.lowHz, options.highHz);
    Response base{};
    Response offset{};
    for (std::size_t i = 0; i < base.size(); ++i) {
        base[i] = measurement[i] + fixedResponse[i];
        offset[i] = base[i] - target[i];
    }
    AutoEqResult result;
    result.before = ErrorsOver(base, target, span);

    const PeakingCurve curve;
    Limits limits;
    const auto& grid = GridFrequencies();
    limits.lowestLog2Hz = std::log2(std::max(grid[static_cast<std::size_t>(span.first)], 20.0));
    limits.highestLog2Hz = std::log2(grid[static_cast<std::size_t>(span.last)]);
    limits.lowestGainDb = -options.maxCutDb;
    limits.highestGainDb = options.maxBoostDb;
    SmoothFit smooth(curve, offset, span, limits);
    smooth.Run(kBands);

    StepFit steps(curve, offset, span, options);
    if (steps.usable()) {
        for (const SmoothBand& band : smooth.bands()) {
            StepBand snapped;
            snapped.place = steps.PlaceNearest(std::exp2(band.log2Hz));
            snapped.bandwidthIndex =
                static_cast<int>(std::lround((std::exp(band.logOctaves) - kLowestOctaves) / 0.01));
            snapped.gainCode =
                static_cast<int>(std::lround(band.gainDb * 10.0)) + kBandGainCodeFlat;
            steps.Add(snapped);
        }
        // Spare bands start flat at the usual centres; the step search may still use them.
        const auto defaults = DefaultBandFrequencies();
        for (int k = static_cast<int>(steps.bands().size()); k < kBands; ++k) {
            steps.Add(
                {steps.PlaceNearest(defaults[static_cast<std::size_t>(k)]), 15, kBandGainCodeFlat});
        }
        steps.KeepBoostWithinLimit();
        steps.Descend();
    }

    // Bands in order of frequency, the flat ones last; each as the processor stores it.
    std::vector<BandSetting> settings;
    for (const StepBand& band : steps.bands()) {
        settings.push_back(steps.Setting(band));
    }
    std::stable_sort(settings.begin(), settings.end(),
                     [](const BandSetting& a, const BandSetting& b) {
                         const bool aFlat = a.gainCode == kBandGainCodeFlat;
                         const bool bFlat = b.gainCode == kBandGainCodeFlat;
                         if (aFlat != bFlat) {
                             return bFlat;
                         }
                         return a.frequencyHz < b.frequencyHz;
                     });
    const auto defaults = DefaultBandFrequencies();
    for (int k = 0; k < kBands; ++k) {
        BandSetting& band = result.bands[static_cast<std::size_t>(k)];
        if (k < static_cast<int>(settings.size())) {
            band = settings[static_cast<std::size_t>(k)];
        } else {
            band.frequencyHz = defaults[static_cast<std::size_t>(k)];
        }
    }
    KeepRiseWithinLimit(result.bands, fixedResponse, options.maxBoostDb);
    for (const BandSetting& band : result.bands) {
        if (band.gainCode != kBandGainCodeFlat) {
            ++result.bandsUsed;
        }
        const Response response = BandResponse(band);
        for (std::size_t i = 0; i < response.size(); ++i) {
            result.bandsResponse[i] += response[i];
        }
    }
    for (std::size_t i = 0; i < base.size(); ++i) {
        result.predicted[i] = base[i] + result.bandsResponse[i];
    }
    result.after = ErrorsOver(result.predicted, target, span);
    return result;
}

}  // namespace corva::tuning
