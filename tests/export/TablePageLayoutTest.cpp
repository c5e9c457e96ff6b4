// The printed page layout: rows per page, which rows land on which page, the framed grid with
// its empty positions, page labels, and that nothing leaves the printable area.
#include <gtest/gtest.h>

#include "core/ProgramVersion.h"
#include "export/ExportTestSupport.h"
#include "files/export/TablePageLayout.h"

namespace corva {
namespace {

using test::NumberedTable;

// The shortest page on which `rows` row positions fit.
PageMetrics MetricsForRowsPerPage(int rows) {
    PageMetrics metrics;
    for (metrics.pageHeight = 100; metrics.pageHeight < 5000; metrics.pageHeight += 0.5) {
        if (LayOutPrintout(NumberedTable(1), UiLanguage::English, metrics).rowsPerPage == rows) {
            break;
        }
    }
    return metrics;
}

std::vector<std::string> TextsIn(const PrintedPage& page, PrintFont font) {
    std::vector<std::string> texts;
    for (const PrintedText& text : page.texts) {
        if (text.font == font) {
            texts.push_back(text.text);
        }
    }
    return texts;
}

std::size_t PageCount(int rows, const PageMetrics& metrics) {
    return LayOutPrintout(NumberedTable(rows), UiLanguage::English, metrics).pages.size();
}

TEST(TablePageLayoutTest, FortyRowsPerPageGiveFivePagesTheLastEndingInEmptyBoxes) {
    const PageMetrics metrics = MetricsForRowsPerPage(40);
    const TablePrintout printout = LayOutPrintout(NumberedTable(172), UiLanguage::English, metrics);
    ASSERT_EQ(printout.rowsPerPage, 40);
    ASSERT_EQ(printout.pages.size(), 5u);
    for (int n = 0; n < 5; ++n) {
        const PrintedPage& page = printout.pages[n];
        EXPECT_EQ(page.firstRow, 40 * n);
        EXPECT_EQ(TextsIn(page, PrintFont::Title),
                  (std::vector<std::string>{"Parameter report: Street",
                                            "Source: File car.qvma, 2026-12-09 16:40",
                                            "Client: Li Lei, Vehicle: Geely Boyue",
                                            "Page " + std::to_string(n + 1) + " of 5"}));
        EXPECT_EQ(TextsIn(page, PrintFont::Footer),
                  (std::vector<std::string>{ProgramNameAndVersion()}));
        EXPECT_EQ(TextsIn(page, PrintFont::Heading),
                  (std::vector<std::string>{"H0", "H1", "H2", "H3", "H4", "H5", "H6"}));
        // A full grid on every page: the heading row and 40 row positions, all framed.
        EXPECT_DOUBLE_EQ(page.grid.height, 41 * printout.rowHeight);
        EXPECT_EQ(page.lines.size(), 42u + 8u);
        // Title above the grid, footer below it, all within the margins.
        for (const PrintedText& text : page.texts) {
            if (text.font == PrintFont::Title) {
                EXPECT_TRUE(text.box.y >= metrics.margin && text.box.Bottom() <= page.grid.y);
            } else if (text.font == PrintFont::Footer) {
                EXPECT_TRUE(text.box.y >= page.grid.Bottom() &&
                            text.box.Bottom() <= metrics.pageHeight - metrics.margin + 1e-9);
            }
        }
    }
    const auto secondCells = TextsIn(printout.pages[1], PrintFont::Cell);
    ASSERT_EQ(secondCells.size(), 40u * 7u);
    EXPECT_EQ(secondCells.front(), "R40");
    EXPECT_EQ(secondCells.back(), "79.6");
    const auto lastCells = TextsIn(printout.pages[4], PrintFont::Cell);
    ASSERT_EQ(lastCells.size(), 12u * 7u);
    EXPECT_EQ(lastCells.front(), "R160");
    EXPECT_EQ(lastCells.back(), "171.6");

    // Just enough pages: a full last page is not followed by an empty one.
    EXPECT_EQ(PageCount(120, metrics), 3u);
    EXPECT_EQ(PageCount(121, metrics), 4u);
    EXPECT_EQ(PageCount(1, metrics), 1u);
    EXPECT_EQ(PageCount(0, metrics), 0u);
}

TEST(TablePageLayoutTest, ChineseTitleAndPageLabels) {
    const TablePrintout printout = LayOutPrintout(NumberedTable(172), UiLanguage::Chinese, {});
    const std::string count = std::to_string(printout.pages.size());
    EXPECT_EQ(TextsIn(printout.pages.at(0), PrintFont::Title),
              (std::vector<std::string>{"参数报告：Street", "来源：文件 car.qvma，2026-12-09 16:40",
                                        "客户：Li Lei，车型：Geely Boyue",
                                        "第 1 页，共 " + count + " 页"}));
}

TEST(TablePageLayoutTest, TheHeaderLeavesOutWhatTheReportDoesNotKnow) {
    ParameterTableText table = NumberedTable(3);
    table.facts = {};
    table.facts.source = Tr("Files", "Processor (%1)").Arg("USB sim:processor");
    EXPECT_EQ(TextsIn(LayOutPrintout(table, UiLanguage::English, {}).pages.at(0), PrintFont::Title),
              (std::vector<std::string>{"Parameter report: (no name)",
                                        "Source: Processor (USB sim:processor)", "Page 1 of 1"}));
    EXPECT_EQ(PrintDocumentName(table.facts, UiLanguage::English), "Corva DSP report");
    table.facts.tuningName = "Street";
    EXPECT_EQ(PrintDocumentName(table.facts, UiLanguage::Chinese), "Street");
}

}  // namespace
}  // namespace corva
