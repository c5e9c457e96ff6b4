// The name a chosen workbook path becomes.
#include <gtest/gtest.h>

#include "commands/ReportFiles.h"

namespace corva {
namespace {

TEST(WorkbookPathTest, TheExtensionIsAddedUnlessThePathEndsWithIt) {
    EXPECT_EQ(WorkbookPath("MusicFile/DNM"), "MusicFile/DNM.xlsx");
    EXPECT_EQ(WorkbookPath("table.xlsx"), "table.xlsx");
    EXPECT_EQ(WorkbookPath("Table.XLSX"), "Table.XLSX");
    // An extension elsewhere in the path is not the file's own.
    EXPECT_EQ(WorkbookPath("old.xlsx.bak"), "old.xlsx.bak.xlsx");
    EXPECT_EQ(WorkbookPath("sheets.xlsx/DNM"), "sheets.xlsx/DNM.xlsx");
    EXPECT_EQ(WorkbookPath("table.xls"), "table.xls.xlsx");
}

}  // namespace
}  // namespace corva
