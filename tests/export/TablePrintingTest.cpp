// The printed pages on a paged device, counted by an independent reader (pdfinfo): a row count
// that fills the last page exactly adds no page of empty boxes; nothing is written for pages
// outside the printout or for an empty table.
#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>

#include "export/ExportTestSupport.h"
#include "files/export/TablePrinting.h"

namespace corva {
namespace {

using test::ScratchFolder;

class TablePrintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::RunCommand("command -v pdfinfo >/dev/null").ok) {
            GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
        }
        test::EnsureGuiApplication();
    }
    int PdfPages(const std::string& path) {
        const auto info =
            test::RunCommand("pdfinfo " + test::ShellQuoted(path) + " | sed -n 's/^Pages: *//p'");
        return info.ok ? std::atoi(info.text.c_str()) : -1;
    }
    TablePrintResult Print(int rows, const std::string& name) {
        return WriteTablePdf(test::NumberedTable(rows), folder_.PathOf(name), UiLanguage::English,
                             a4_);
    }

    ScratchFolder folder_;
    const QPageLayout a4_{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()};
};

TEST_F(TablePrintingTest, FullLastPageAddsNoEmptyPage) {
    const TablePrintResult first = Print(172, "probe.pdf");
    ASSERT_TRUE(first.status.ok()) << first.status.message().In(UiLanguage::English);
    const int perPage = first.rowsPerPage;
    ASSERT_GT(perPage, 1);

    const TablePrintResult exact = Print(2 * perPage, "exact.pdf");
    ASSERT_TRUE(exact.status.ok());
    EXPECT_EQ(exact.pageCount, 2);
    EXPECT_EQ(PdfPages(folder_.PathOf("exact.pdf")), 2);

    const TablePrintResult oneMore = Print(2 * perPage + 1, "more.pdf");
    ASSERT_TRUE(oneMore.status.ok());
    EXPECT_EQ(PdfPages(folder_.PathOf("more.pdf")), 3);
}

TEST_F(TablePrintingTest, ARangeOutsideThePrintoutOrAnEmptyTablePrintsNothing) {
    const std::string path = folder_.PathOf("none.pdf");
    EXPECT_FALSE(
        WriteTablePdf(test::NumberedTable(10), path, UiLanguage::English, a4_, {5, 6}).status.ok());
    EXPECT_FALSE(WriteTablePdf(test::NumberedTable(0), path, UiLanguage::English, a4_).status.ok());
    EXPECT_TRUE(test::NamesIn(folder_.PathOf("")).empty());
}

}  // namespace
}  // namespace corva
