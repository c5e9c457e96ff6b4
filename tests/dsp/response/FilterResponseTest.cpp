#include "dsp/response/FilterResponse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

#include "dsp/response/FilterSections.h"

namespace corva {
namespace {

using Complex = std::complex<double>;
using enum FilterType;
using enum CrossoverKind;

constexpr int kAt1000Hz = 136;

Response Compute(const FilterShape& shape) {
    Response r;
    r.fill(12345.0);  // must be overwritten everywhere
    ComputeResponse(shape, r);
    return r;
}

FilterShape Band(FilterType type, int hz, double gainDb, double octaves = 0.2, int slope = 1) {
    return {.type = type,
            .frequencyHz = hz,
            .gainDb = gainDb,
            .bandwidthOctaves = octaves,
            .slope = slope};
}

FilterShape Crossover(FilterType type, int hz, CrossoverKind kind, int slope) {
    return {
        .type = type, .frequencyHz = hz, .crossoverKind = static_cast<int>(kind), .slope = slope};
}

bool AllOf(const Response& r, auto predicate) {
    return std::all_of(r.begin(), r.end(), predicate);
}

TEST(PeakingResponseTest, SixDbBandPeaksAtItsGridFrequency) {
    const double bandwidthIndex15 = 0.05 + 0.01 * 15;
    const Response r = Compute(Band(Peaking, 1000, 6.0, bandwidthIndex15));
    EXPECT_NEAR(r[kAt1000Hz], 6.0, 1e-6);
    EXPECT_EQ(std::max_element(r.begin(), r.end()) - r.begin(), kAt1000Hz);
    EXPECT_TRUE(AllOf(r, [](double db) { return db > 0.0; }));
    EXPECT_LT(r[0], 0.01);
}

TEST(PeakingResponseTest, CentreSnapsToTheNearestGridFrequency) {
    EXPECT_EQ(Compute(Band(Peaking, 1010, 6.0)), Compute(Band(Peaking, 1000, 6.0)));
    EXPECT_EQ(Compute(Band(Peaking, 1015, 6.0)), Compute(Band(Peaking, 1030, 6.0)));
}

// The bandwidth is the distance from the centre to each band edge, where the curve has half
// the gain in dB; one octave around 1000 Hz puts the edges at 500 and 2000 Hz (F[112], F[160]).
TEST(PeakingResponseTest, BandEdgesAreBandwidthOctavesFromTheCentre) {
    for (double gainDb : {6.0, -12.0, 20.0}) {
        const Response r = Compute(Band(Peaking, 1000, gainDb, 1.0));
        EXPECT_NEAR(r[112], gainDb / 2.0, 0.02) << gainDb;
        EXPECT_NEAR(r[160], gainDb / 2.0, 0.02) << gainDb;
    }
    const Response boost = Compute(Band(Peaking, 250, 9.5, 0.7));
    const Response cut = Compute(Band(Peaking, 250, -9.5, 0.7));
    for (int i = 0; i < kGridPoints; ++i) {
        EXPECT_NEAR(cut[i], -boost[i], 1e-9) << "cut mirrors boost at " << i;
    }
}

TEST(ShelfResponseTest, ShelvesReachTheirGainOnTheirSide) {
    for (int slope : {0, 1}) {
        const Response low = Compute(Band(LowShelf, 200, 12.0, 0.2, slope));
        EXPECT_NEAR(low[0], 12.0, 0.05) << slope;
        EXPECT_NEAR(low[240], 0.0, 0.1) << slope;
        const Response high = Compute(Band(HighShelf, 5000, -8.0, 0.2, slope));
        EXPECT_NEAR(high[0], 0.0, 0.05) << slope;
        EXPECT_NEAR(high[240], -8.0, 0.3) << slope;
    }
}

TEST(FlatResponseTest, FlatFiltersGiveExactlyZero) {
    const auto expectFlat = [](const FilterShape& shape, const char* what) {
        EXPECT_TRUE(AllOf(Compute(shape), [](double db) { return db == 0.0; })) << what;
    };
    FilterShape band = Band(Peaking, 1000, 6.0);
    band.bypassed = true;
    expectFlat(band, "bypassed band");
    expectFlat(Band(Peaking, 1000, 0.0), "0 dB band");
    FilterShape shelf = Band(HighShelf, 4000, -6.0);
    shelf.bypassed = true;
    expectFlat(shelf, "bypassed shelf");
    expectFlat(Band(LowShelf, 100, 0.0), "0 dB shelf");
    for (auto kind : {LinkwitzRiley, Butterworth, Bessel}) {
        for (int slope = 0; slope <= kCrossoverSlopeOff; ++slope) {
            expectFlat(Crossover(HighPass, 20, kind, slope), "high-pass at 20 Hz");
            expectFlat(Crossover(LowPass, 20000, kind, slope), "low-pass at 20000 Hz");
        }
        expectFlat(Crossover(HighPass, 1000, kind, kCrossoverSlopeOff), "high-pass off");
        expectFlat(Crossover(LowPass, 1000, kind, kCrossoverSlopeOff), "low-pass off");
    }
    FilterShape hp = Crossover(HighPass, 1000, Butterworth, 1);
    hp.bypassed = true;  // crossovers ignore bypass
    EXPECT_LT(Compute(hp)[0], -50.0);
}

TEST(FlatResponseTest, ValuesOutsideTheRangesGiveFiniteCurves) {
    const FilterShape odd[] = {
        Band(Peaking, 0, 20.0, 3.0),          Band(Peaking, 90000, -20.0, 0.0),
        Band(LowShelf, 1000, 60.0),  // 12 dB/oct shelf far beyond +20 dB
        Band(HighShelf, 0, -6.0, 0.2, 0),     Crossover(HighPass, 0, Bessel, 7),
        Crossover(LowPass, 0, Bessel, 6),     Crossover(LowPass, 50000, Butterworth, 7),
        Crossover(LowPass, 1000, Bessel, 99), Crossover(LowPass, 1000, CrossoverKind{7}, 1),
    };
    for (const FilterShape& shape : odd) {
        EXPECT_TRUE(AllOf(Compute(shape), [](double db) { return std::isfinite(db); }))
            << "type " << static_cast<int>(shape.type) << " at " << shape.frequencyHz;
    }
}

TEST(CrossoverResponseTest, SixDbButterworthHighPassIsFirstOrder) {
    const FilterShape hp = Crossover(HighPass, 1000, Butterworth, 0);
    const SectionSet set = FilterSections(hp);
    ASSERT_EQ(set.count, 1);
    const Section& s = set.sections[0];
    EXPECT_EQ(s.b2, 0.0);
    EXPECT_EQ(s.a2, 0.0);
    // (1 - z^-1) / ((1 + d t) + (d t - 1) z^-1)
    const double t = std::tan(kSampleAngleFactor * 1000.0 / 2.0);
    EXPECT_NEAR((s.a0 - 1.0) / t, 0.70422535, 1e-9);
    EXPECT_NEAR((s.a1 + 1.0) / t, 0.70422535, 1e-9);
}

// Far from the corner every filter falls 6 dB/oct per order: checks the order and the
// first-order flag of every table row.
TEST(CrossoverResponseTest, StopBandFallsAtTheSlopeRate) {
    for (auto kind : {LinkwitzRiley, Butterworth, Bessel}) {
        for (int slope = 0; slope < kCrossoverSlopeOff; ++slope) {
            const double rate = 6.0 * (slope + 1);
            const Response hp = Compute(Crossover(HighPass, 4000, kind, slope));
            EXPECT_NEAR(hp[40] - hp[16], rate, 0.1 * (slope + 1))
                << "high-pass kind " << static_cast<int>(kind) << " slope " << slope;
            // The low-pass Bessel is never first order.
            const double lowPassRate = (kind == Bessel && slope == 0) ? 12.0 : rate;
            const Response lp = Compute(Crossover(LowPass, 100, kind, slope));
            EXPECT_NEAR(lp[128] - lp[152], lowPassRate, 0.1 * (slope + 1))
                << "low-pass kind " << static_cast<int>(kind) << " slope " << slope;
        }
    }
    EXPECT_EQ(Compute(Crossover(LowPass, 800, Bessel, 0)),
              Compute(Crossover(LowPass, 800, Bessel, 1)));
}

TEST(CrossoverResponseTest, LevelAtTheTargetFrequency) {
    for (auto type : {HighPass, LowPass}) {
        EXPECT_NEAR(Compute(Crossover(type, 1000, LinkwitzRiley, 1))[kAt1000Hz], -6.02, 0.05);
        EXPECT_NEAR(Compute(Crossover(type, 1000, LinkwitzRiley, 3))[kAt1000Hz], -5.95, 0.05);
        for (int slope = 1; slope < kCrossoverSlopeOff; ++slope) {
            EXPECT_NEAR(Compute(Crossover(type, 1000, Butterworth, slope))[kAt1000Hz], -3.0, 0.15);
        }
    }
    // The low-pass Bessel divisors put the -3 dB point at the target frequency.
    for (int slope = 0; slope < kCrossoverSlopeOff; ++slope) {
        EXPECT_NEAR(Compute(Crossover(LowPass, 1000, Bessel, slope))[kAt1000Hz], -3.0, 0.06);
    }
}

// Low-pass Bessel sections are analog sections 1 / (P2 p^2 + P1 p + 1) under the bilinear
// transform, where p = j tan(W / 2) / T on the unit circle.
TEST(CrossoverResponseTest, LowPassBesselFollowsItsAnalogPrototype) {
    const double p1[] = {0.5693712514, 0.430628846};
    const double p2[] = {0.154812441, 0.0};  // the second section is first order
    const double t = std::tan(kSampleAngleFactor * (1500.0 / 1.75567236868) / 2.0);
    const Response r = Compute(Crossover(LowPass, 1500, Bessel, 2));
    for (int i = 0; i < kGridPoints; i += 8) {
        const Complex p(0.0, std::tan(GridAngle(i) / 2.0) / t);
        const Complex h = 1.0 / ((p2[0] * p * p + p1[0] * p + 1.0) * (p1[1] * p + 1.0));
        EXPECT_NEAR(r[i], 20.0 * std::log10(std::abs(h)), 1e-9) << i;
    }
}

// The grid evaluation uses numerator and denominator multiplied by e^{jW}; it must match the
// plain complex transfer function of the same sections.
TEST(SectionEvaluationTest, MatchesTheComplexTransferFunction) {
    const FilterShape shapes[] = {
        Band(Peaking, 1000, 6.0, 0.2),
        Band(Peaking, 63, -15.0, 2.5),
        Band(Peaking, 16000, 20.0, 0.05),
        Band(LowShelf, 120, 9.0, 0.2, 0),
        Band(LowShelf, 800, -7.5, 0.2, 1),
        Band(HighShelf, 6000, 4.0, 0.2, 0),
        Band(HighShelf, 3000, -20.0, 0.2, 1),
        Crossover(HighPass, 80, LinkwitzRiley, 3),
        Crossover(HighPass, 3000, Butterworth, 6),
        Crossover(HighPass, 250, Bessel, 4),
        Crossover(LowPass, 5000, Butterworth, 2),
        Crossover(LowPass, 12000, Bessel, 6),
    };
    for (const FilterShape& shape : shapes) {
        const SectionSet set = FilterSections(shape);
        ASSERT_GT(set.count, 0);
        const Response r = Compute(shape);
        for (int i = 0; i < kGridPoints; ++i) {
            const Complex z1 = std::polar(1.0, -GridAngle(i));
            double db = 0.0;
            for (int k = 0; k < set.count; ++k) {
                const Section& s = set.sections[static_cast<std::size_t>(k)];
                db += 20.0 * std::log10(std::abs((s.b0 + s.b1 * z1 + s.b2 * z1 * z1) /
                                                 (s.a0 + s.a1 * z1 + s.a2 * z1 * z1)));
            }
            EXPECT_NEAR(r[i], db, 1e-8) << "type " << static_cast<int>(shape.type) << " at "
                                        << shape.frequencyHz << " Hz, point " << i;
        }
    }
}

}  // namespace
}  // namespace corva
