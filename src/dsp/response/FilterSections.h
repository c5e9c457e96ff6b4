// The second-order sections a filter's response is built from, and their evaluation on the
// response grid. Private to the response library; the tests read the coefficients from here.
#pragma once

#include <array>

#include "dsp/response/FilterResponse.h"

namespace corva {

// H(z) = (b0 + b1 z^-1 + b2 z^-2) / (a0 + a1 z^-1 + a2 z^-2); first-order sections have
// b2 = a2 = 0. a0 is never 0 (an a0 of exactly 0 is stored as 1e-10).
struct Section {
    double b0 = 1.0;
    double b1 = 0.0;
    double b2 = 0.0;
    double a0 = 1.0;
    double a1 = 0.0;
    double a2 = 0.0;
};

inline constexpr int kMaxSections = 4;

// The non-unity sections of a filter; count 0 means the filter is flat.
struct SectionSet {
    std::array<Section, kMaxSections> sections{};
    int count = 0;

    void Add(const Section& section) { sections[static_cast<std::size_t>(count++)] = section; }
};

// Builds a section, replacing an a0 of exactly 0 by 1e-10.
Section MakeSection(double b0, double b1, double b2, double a0, double a1, double a2);

SectionSet FilterSections(const FilterShape& shape);

// High-pass (type 3) and low-pass (type 4) sections; frequency already limited to 20..20000.
SectionSet CrossoverSections(FilterType type, int frequencyHz, int kind, int slope);

// Adds the section's gain in dB at every grid point to `response`.
void AddSectionResponse(const Section& section, Response& response);

}  // namespace corva
