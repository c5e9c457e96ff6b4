#include "TextColumns.h"

#include <algorithm>

namespace corva::cli {

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

std::string AlignedColumns(const std::vector<std::vector<std::string>>& rows) {
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

}  // namespace corva::cli
