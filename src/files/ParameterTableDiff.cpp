#include "files/ParameterTableDiff.h"

#include <algorithm>

namespace corva {

std::vector<ParameterDifference> DiffParameterTables(const ParameterTable& first,
                                                     const ParameterTable& second) {
    std::vector<ParameterDifference> differences;
    const std::size_t rows = std::min(first.rows.size(), second.rows.size());
    for (std::size_t r = 0; r < rows; ++r) {
        const ParameterRow& a = first.rows[r];
        const ParameterRow& b = second.rows[r];
        for (std::size_t column = 1; column < a.size(); ++column) {
            if (!(a[column] == b[column])) {
                differences.push_back(
                    {first.headings[column], a[0], a[column], b[column], r, column});
            }
        }
    }
    return differences;
}

}  // namespace corva
