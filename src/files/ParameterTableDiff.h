// The differences between two parameter tables, cell by cell, in the table's own texts: which
// channel, which parameter, and what each table shows there.
#pragma once

#include <vector>

#include "files/ParameterTable.h"

namespace corva {

struct ParameterDifference {
    UiText channel;       // the column heading
    UiText parameter;     // the row label
    UiText first;         // the first table's text
    UiText second;        // the second table's text
    std::size_t row = 0;  // where the cell is in the tables
    std::size_t column = 0;
};

// In table order: row by row, and channels left to right within a row.
std::vector<ParameterDifference> DiffParameterTables(const ParameterTable& first,
                                                     const ParameterTable& second);

}  // namespace corva
