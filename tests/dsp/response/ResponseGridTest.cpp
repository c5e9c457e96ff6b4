#include "dsp/response/ResponseGrid.h"

#include <gtest/gtest.h>

#include <utility>

namespace corva {
namespace {

TEST(ResponseGridTest, FrequenciesAreRoundedWithFixedEntries) {
    const auto& f = GridFrequencies();
    const std::pair<int, double> fixed[] = {
        {72, 158},   {76, 179},    {99, 344},    {105, 409},   {137, 1030},
        {138, 1060}, {139, 1090},  {140, 1123},  {142, 1190},  {182, 3776},
        {192, 5000}, {217, 10374}, {222, 11987}, {240, 20000},
    };
    for (const auto& [index, hz] : fixed) {
        EXPECT_EQ(f[index], hz) << "F[" << index << "]";
    }
    EXPECT_DOUBLE_EQ(f[0], 19.7);
    EXPECT_DOUBLE_EQ(f[1], 20.3);   // 20.255 rounds up
    EXPECT_DOUBLE_EQ(f[56], 99.2);  // last entry below 100 Hz
    EXPECT_EQ(f[57], 102.0);        // 102.08, whole Hz
    EXPECT_EQ(f[136], 1000.0);
    EXPECT_EQ(f[232], 16000.0);
    for (int i = 1; i < kGridPoints; ++i) {
        EXPECT_GT(f[i], f[i - 1]) << "grid must rise at " << i;
    }
}

TEST(ResponseGridTest, NearestIndexBreaksTiesUpwardAndStopsAtTheEnds) {
    EXPECT_EQ(NearestGridIndex(1010.0), 136);
    EXPECT_EQ(NearestGridIndex(1014.9), 136);
    EXPECT_EQ(NearestGridIndex(1015.0), 137);  // halfway between 1000 and 1030
    EXPECT_EQ(NearestGridIndex(20.0), 1);      // halfway between 19.7 and 20.3
    EXPECT_EQ(NearestGridIndex(19.9), 0);
    EXPECT_EQ(NearestGridIndex(-100.0), 0);
    EXPECT_EQ(NearestGridIndex(19999.0), 240);
    EXPECT_EQ(NearestGridIndex(1e9), 240);
}

}  // namespace
}  // namespace corva
