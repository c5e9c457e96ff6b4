// The 241 frequencies, 1/24 octave apart, at which every filter's response is computed.
#pragma once

#include <array>

namespace corva {

inline constexpr int kGridPoints = 241;
using Response = std::array<double, kGridPoints>;  // dB at each grid frequency

// Radians per Hz of the 96 kHz design rate (2 pi / 96000, rounded).
inline constexpr double kSampleAngleFactor = 6.544985e-05;

// F[0..240] in Hz: F[0] = 19.7, F[136] = 1000, F[240] = 20000.
const std::array<double, kGridPoints>& GridFrequencies();

// W[i] = 6.2831852 * F[i] / 96000, the evaluation angle of grid point i.
double GridAngle(int index);

// Index of the grid frequency nearest to f (ties go to the higher one); 240 above 20000 Hz.
int NearestGridIndex(double frequencyHz);

}  // namespace corva
