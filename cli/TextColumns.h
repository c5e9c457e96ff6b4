// Rows of cells as aligned text columns for a terminal, two spaces apart.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace corva::cli {

// Terminal columns of a UTF-8 text: East Asian characters take two.
std::size_t DisplayWidth(const std::string& text);

// One line per row, each cell padded to its column's widest cell (by display width), no
// spaces at a line's end.
std::string AlignedColumns(const std::vector<std::vector<std::string>>& rows);

}  // namespace corva::cli
