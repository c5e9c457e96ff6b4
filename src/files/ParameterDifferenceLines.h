// The differences of two parameter tables as lines of text, one per differing cell, and the
// aligned columns both front ends print them in (the command line's `diff` and the report
// window's list of differences show the same lines).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "files/ParameterTableDiff.h"

namespace corva {

// Channel, parameter, the first table's text, the second table's text.
using DifferenceLine = std::array<std::string, 4>;

// Appends one line per differing cell of `first` and `second`, in table order; `prefix` goes
// before the channel's name (it names the stored preset the tables belong to).
void AddDifferenceLines(std::vector<DifferenceLine>& lines, UiLanguage language,
                        const std::string& prefix, const ParameterTable& first,
                        const ParameterTable& second);

// Terminal columns of a UTF-8 text: East Asian characters take two.
std::size_t DisplayWidth(const std::string& text);

// Every row on a line of its own, each column padded to its widest cell plus two spaces, with
// no trailing spaces.
std::string AlignedColumnsText(const std::vector<std::vector<std::string>>& rows);
std::string AlignedColumnsText(const std::vector<DifferenceLine>& lines);

}  // namespace corva
