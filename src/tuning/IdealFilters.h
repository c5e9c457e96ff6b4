// The response a filter file means: each filter's ideal analog curve on the response grid,
// against which the processor's snapped filters are measured.
#pragma once

#include "dsp/response/ResponseGrid.h"
#include "tuning/FilterFile.h"

namespace corva::tuning {

// The Q a filter without one is drawn with: second-order Butterworth, and shelves "LS"/"HS"
// without a slope.
inline constexpr double kButterworthQ = 0.70710678;

// dB at every grid frequency. Peaking and shelves follow the usual biquad prototypes (a shelf
// with a slope of S dB/oct uses the shelf slope S/12, one with Q that Q; the gain is half way
// at Fc); LP/HP are second-order with the filter's Q. REW's fixed-slope shelves ("LS 6dB",
// "HS 12dB") are given by their corner instead: first or second order, with the midpoint of
// the transition toward the flat side (ShelfMidpointHz). Off, empty and unsupported filters
// are flat.
Response IdealFilterResponse(const FileFilter& filter);

// Where a shelf's gain is half way: Fc, except for the fixed-slope shelves given by a corner.
double ShelfMidpointHz(const FileFilter& filter);

// The grid points from 20 Hz to 20 kHz (the first grid frequency, 19.7 Hz, is below it).
inline constexpr int kFirstAudibleGridIndex = 1;

// Below this level two curves count as equal: the deep stop band of a high- or low-pass
// differs between an analog prototype and any digital filter and says nothing about the fit.
inline constexpr double kDeviationFloorDb = -40.0;

// Largest |a - b| over 20 Hz..20 kHz, each curve taken no lower than the floor.
double LargestDeviationDb(const Response& a, const Response& b);

}  // namespace corva::tuning
