#include "files/export/TablePageLayout.h"

#include <algorithm>
#include <cmath>

#include "files/export/ReportFacts.h"

namespace corva {
namespace {

// Room above and below a line of the title and the cell fonts.
constexpr double kLinePadding = 3;
// Room between a cell's frame and its text.
constexpr double kTextInset = 2;

std::vector<std::string> SplitLines(const std::string& text) {
    // Lines end in "\r\n"; a text ending in a line break has no empty last line.
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

PageBox Inset(const PageBox& box) {
    return {box.x + kTextInset, box.y, std::max(0.0, box.width - 2 * kTextInset), box.height};
}

}  // namespace

UiText PrintTitle(const ReportFacts& facts) {
    return ReportHeaderText(facts);
}

UiText PrintFooter() {
    return ReportFooterText();
}

std::string PrintDocumentName(const ReportFacts& facts, UiLanguage language) {
    return ReportDocumentName(facts).In(language);
}

std::string PageLabel(int page, int pageCount, UiLanguage language) {
    return Tr("Files", "Page %1 of %2")
        .Arg(std::to_string(page))
        .Arg(std::to_string(pageCount))
        .In(language);
}

TablePrintout LayOutPrintout(const ParameterTableText& table, UiLanguage language,
                             const PageMetrics& metrics) {
    const double left = metrics.margin;
    const double top = metrics.margin;
    const double width = metrics.pageWidth - 2 * metrics.margin;
    const double bottom = metrics.pageHeight - metrics.margin;

    const std::vector<std::string> titleLines = SplitLines(PrintTitle(table.facts).In(language));
    const std::vector<std::string> footerLines = SplitLines(PrintFooter().In(language));
    const double titleRowHeight = metrics.titleLineHeight + kLinePadding;
    const double rowHeight = metrics.cellLineHeight + kLinePadding;
    const double gap = rowHeight / 2;
    const double footerTop =
        bottom - metrics.footerLineHeight * static_cast<double>(footerLines.size());
    const double gridTop = top + titleRowHeight * static_cast<double>(titleLines.size()) + gap;
    const double firstRowTop = gridTop + rowHeight;  // under the heading row
    const double rowSpace = footerTop - gap - firstRowTop;

    TablePrintout printout;
    printout.rowHeight = rowHeight;
    printout.rowsPerPage = std::max(1, static_cast<int>(std::floor(rowSpace / rowHeight)));
    const int rowCount = static_cast<int>(table.rows.size());
    // Just enough pages: a row count that fills the last page exactly adds no empty page.
    const int pageCount = (rowCount + printout.rowsPerPage - 1) / printout.rowsPerPage;

    const double columnWidth = width / kParameterTableColumns;
    auto cellBox = [&](int column, double y) {
        return PageBox{left + columnWidth * column, y, columnWidth, rowHeight};
    };

    for (int n = 0; n < pageCount; ++n) {
        PrintedPage& page = printout.pages.emplace_back();
        page.firstRow = n * printout.rowsPerPage;
        page.rowCount = std::min(printout.rowsPerPage, rowCount - page.firstRow);
        page.grid = {left, gridTop, width, rowHeight * (printout.rowsPerPage + 1)};

        for (std::size_t i = 0; i < titleLines.size(); ++i) {
            const PageBox line{left, top + titleRowHeight * static_cast<double>(i), width,
                               titleRowHeight};
            page.texts.push_back({line, titleLines[i], PrintFont::Title, TextAlign::Left});
        }
        page.texts.push_back({PageBox{left, top, width, titleRowHeight},
                              PageLabel(n + 1, pageCount, language), PrintFont::Title,
                              TextAlign::Right});

        for (int k = 0; k < kParameterTableColumns; ++k) {
            page.texts.push_back({Inset(cellBox(k, gridTop)),
                                  table.headings[static_cast<std::size_t>(k)], PrintFont::Heading,
                                  TextAlign::Centre});
        }
        for (int i = 0; i < page.rowCount; ++i) {
            const auto& row = table.rows[static_cast<std::size_t>(page.firstRow + i)];
            const double y = firstRowTop + rowHeight * i;
            for (int k = 0; k < kParameterTableColumns; ++k) {
                const std::string& text = row[static_cast<std::size_t>(k)];
                if (!text.empty()) {
                    page.texts.push_back(
                        {Inset(cellBox(k, y)), text, PrintFont::Cell, TextAlign::Centre});
                }
            }
        }

        // The grid: every row position is framed, the unused ones at the end as empty boxes.
        for (int i = 0; i <= printout.rowsPerPage + 1; ++i) {
            const double y = gridTop + rowHeight * i;
            page.lines.push_back({left, y, left + width, y});
        }
        for (int k = 0; k <= kParameterTableColumns; ++k) {
            const double x = left + columnWidth * k;
            page.lines.push_back({x, page.grid.y, x, page.grid.Bottom()});
        }

        for (std::size_t i = 0; i < footerLines.size(); ++i) {
            const PageBox line{left, footerTop + metrics.footerLineHeight * static_cast<double>(i),
                               width, metrics.footerLineHeight};
            page.texts.push_back({line, footerLines[i], PrintFont::Footer, TextAlign::Left});
        }
    }
    return printout;
}

}  // namespace corva
