// The CSV and Excel exports of the parameter table, the workbook read back as its users'
// programs read it, and the file handling all exports share: replacing an old file, and failing
// on a bad path without leaving anything behind.
#include <gtest/gtest.h>

#include "export/ExportTestSupport.h"
#include "files/export/ParameterTableExport.h"
#include "support/FailingWrites.h"

namespace corva {
namespace {

using test::RunCommand;
using test::ScratchFolder;
using test::ShellQuoted;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the last line has no line end";
    return lines;
}

TEST(TableCsvTest, HeadingsThenOneLinePerRowQuotedWhereNeeded) {
    const ParameterTable table = test::ModelTable();
    const std::string englishText = CsvText(TableText(table, UiLanguage::English));
    // A UTF-8 byte-order mark first, so spreadsheet programs read the Chinese texts right.
    ASSERT_EQ(englishText.rfind("\xEF\xBB\xBF", 0), 0u);
    const auto english = Lines(englishText.substr(3));
    ASSERT_EQ(english.size(), 173u);
    EXPECT_EQ(english[0], "Args,Front.Left,Front.Right,Rear.Left,Rear.Right,Sub,Center");
    EXPECT_EQ(english[1].substr(0, 13), "EQ1 Type,PEQ,");
    EXPECT_EQ(english[5], ",,,,,,");  // separator rows keep their seven empty cells
    EXPECT_EQ(english[1 + table_row::kDelay],
              "Delay,1.000MS,2.000MS,3.000MS,4.000MS,5.000MS,5.396MS");
    const auto chinese = Lines(CsvText(TableText(table, UiLanguage::Chinese)).substr(3));
    EXPECT_EQ(chinese[0], "参数,前左,前右,后左,后右,超低,中置");
    EXPECT_EQ(chinese[1 + table_row::kPolarity], "相  位,正相,正相,正相,正相,正相,正相");

    ParameterTableText odd = test::NumberedTable(1);
    odd.rows[0] = {"plain", "a,b", "say \"hi\"", "two\nlines", "", " spaced ", "均衡"};
    EXPECT_EQ(Lines(CsvText(odd).substr(3)).at(1),
              "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",, spaced ,均衡");
}

TEST(TableExportFileTest, ABadPathFailsInBothLanguagesAndLeavesNothing) {
    test::EnsureGuiApplication();
    ScratchFolder folder;
    std::filesystem::create_directory(folder.PathOf("taken.out"));
    const ParameterTable table = test::ModelTable();
    const ParameterTableText text = TableText(table, UiLanguage::English);

    for (const std::string& path :
         {folder.PathOf("missing/table.out"), folder.PathOf("taken.out")}) {
        const std::vector<std::pair<std::string, Status>> results{
            {"csv", ExportCsv(text, path)},
            {"xlsx", ExportXlsx(text, path)},
            {"pdf", RenderPdf(table, path, UiLanguage::English)},
        };
        for (const auto& [kind, status] : results) {
            EXPECT_FALSE(status.ok()) << kind << " " << path;
            EXPECT_NE(status.message().In(UiLanguage::English).find(path), std::string::npos)
                << kind;
            EXPECT_NE(status.message().In(UiLanguage::Chinese).find("无法写入"), std::string::npos)
                << kind;
        }
        EXPECT_EQ(test::NamesIn(folder.PathOf("")), std::set<std::string>{"taken.out"}) << path;
    }
}

TEST(TableExportFileTest, AnOverwriteThatFailsKeepsTheOldFileOfEveryExport) {
    test::EnsureGuiApplication();
    ScratchFolder folder;
    const ParameterTable table = test::ModelTable();
    const ParameterTableText text = TableText(table, UiLanguage::English);
    const std::string tooLarge = "cannot be written: File too large.";

    const std::string csv = folder.PathOf("table.csv");
    EXPECT_EQ(test::ExpectFailedOverwriteKeepsOldFile(csv, [&] { return ExportCsv(text, csv); }),
              "The file \"" + csv + "\" " + tooLarge);
    const std::string pdf = folder.PathOf("table.pdf");
    EXPECT_EQ(test::ExpectFailedOverwriteKeepsOldFile(
                  pdf, [&] { return RenderPdf(table, pdf, UiLanguage::English); }),
              "The file \"" + pdf + "\" " + tooLarge);
    // libxlsxwriter fails on its own working files first and says so in its words.
    const std::string xlsx = folder.PathOf("table.xlsx");
    const std::string workbook =
        test::ExpectFailedOverwriteKeepsOldFile(xlsx, [&] { return ExportXlsx(text, xlsx); });
    EXPECT_EQ(workbook.rfind("The file \"" + xlsx + "\" cannot be written: ", 0), 0u) << workbook;

    const auto missing = folder.PathOf("missing");
    test::ExpectMissingFolderFails(missing, [&] { return ExportCsv(text, missing + "/t.csv"); });
    test::ExpectMissingFolderFails(missing, [&] { return ExportXlsx(text, missing + "/t.xlsx"); });
    test::ExpectMissingFolderFails(
        missing, [&] { return RenderPdf(table, missing + "/t.pdf", UiLanguage::English); });
}

TEST(TableExportFileTest, AnExistingFileIsReplacedWhole) {
    ScratchFolder folder;
    const std::string path = folder.PathOf("table.csv");
    std::ofstream(path) << std::string(100000, 'x');
    const ParameterTableText text = TableText(test::ModelTable(), UiLanguage::English);
    ASSERT_TRUE(ExportCsv(text, path).ok());
    const std::string csv = CsvText(text);
    EXPECT_EQ(ScratchFolder::Read(path), test::Bytes(csv.begin(), csv.end()));
    EXPECT_EQ(test::NamesIn(folder.PathOf("")), std::set<std::string>{"table.csv"});
}

// The sheet names, then the first sheet as CSV the way Python's csv module writes it, which
// quotes exactly where CsvText does.
constexpr const char* kSheetAsCsv = R"(
import csv, io, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
out = io.TextIOWrapper(sys.stdout.buffer, encoding="utf-8", newline="")
out.write("|".join(book.sheetnames) + "\r\n")
writer = csv.writer(out, lineterminator="\r\n")
for row in book[book.sheetnames[0]].iter_rows(values_only=True):
    writer.writerow(["" if v is None else v for v in row])
out.flush()
)";

TEST(TableXlsxTest, ReadsBackAsTheTableOnTheSheetDnmWithEveryCellAsText) {
    if (!RunCommand("/usr/bin/python3 -c 'import openpyxl' 2>/dev/null").ok) {
        GTEST_SKIP() << "python3-openpyxl is not installed";
    }
    ScratchFolder folder;
    const std::string path = folder.PathOf("参数 table.xlsx");
    std::ofstream(path) << "an older file";
    ParameterTableText text = TableText(test::ModelTable(), UiLanguage::Chinese);
    text.rows[1] = {"=1+1", "6.864", "a,b", "say \"hi\"", "", "-5.0dB", "均衡"};
    const Status status = ExportXlsx(text, path);
    ASSERT_TRUE(status.ok()) << status.message().In(UiLanguage::English);
    EXPECT_EQ(test::NamesIn(folder.PathOf("")), std::set<std::string>{"参数 table.xlsx"});

    const auto read =
        RunCommand("/usr/bin/python3 -c " + ShellQuoted(kSheetAsCsv) + " " + ShellQuoted(path));
    ASSERT_TRUE(read.ok) << read.text;
    // 173 rows: the separator row at the end is there too.
    EXPECT_EQ(read.text, "DNM\r\n" + CsvText(text).substr(3));  // the CSV without its BOM
}

}  // namespace
}  // namespace corva
