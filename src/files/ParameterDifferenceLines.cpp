#include "files/ParameterDifferenceLines.h"

#include <algorithm>

namespace corva {

void AddDifferenceLines(std::vector<DifferenceLine>& lines, UiLanguage language,
                        const std::string& prefix, const ParameterTable& first,
                        const ParameterTable& second) {
    for (const ParameterDifference& d : DiffParameterTables(first, second)) {
        lines.push_back({prefix + d.channel.In(language), d.parameter.In(language),
                         d.first.In(language), d.second.In(language)});
    }
}

std::size_t DisplayWidth(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

std::string AlignedColumnsText(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
        }
    }
    std::string text;
    for (const auto& row : rows) {
        std::string cells;
        for (std::size_t c = 0; c < row.size(); ++c) {
            cells += row[c];
            if (c + 1 < row.size()) {
                cells.append(widths[c] - DisplayWidth(row[c]) + 2, ' ');
            }
        }
        text += cells.substr(0, cells.find_last_not_of(' ') + 1) + "\n";
    }
    return text;
}

std::string AlignedColumnsText(const std::vector<DifferenceLine>& lines) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(lines.size());
    for (const DifferenceLine& line : lines) {
        rows.emplace_back(line.begin(), line.end());
    }
    return AlignedColumnsText(rows);
}

}  // namespace corva
