// The printed table as a PDF, read back with pdftotext: every row in order across the pages,
// the page labels, and the Chinese texts (compared after NFKC, since extraction may give some
// CJK characters as their compatibility look-alikes).
#include <gtest/gtest.h>

#include <QString>

#include "core/ProgramVersion.h"
#include "export/ExportTestSupport.h"
#include "files/export/ParameterTableExport.h"

namespace corva {
namespace {

using test::ScratchFolder;

class TablePdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::RunCommand("command -v pdftotext >/dev/null").ok) {
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        }
        test::EnsureGuiApplication();
    }

    // The text of each page of a freshly rendered table.
    std::vector<std::string> RenderedPages(UiLanguage language) {
        const std::string path = folder_.PathOf("参数 table.pdf");
        const Status status = RenderPdf(table_, path, language);
        EXPECT_TRUE(status.ok()) << status.message().In(UiLanguage::English);
        const auto text = test::RunCommand("pdftotext -layout " + test::ShellQuoted(path) + " -");
        EXPECT_TRUE(text.ok);
        std::vector<std::string> pages;
        for (const QString& page : QString::fromStdString(text.text)
                                       .normalized(QString::NormalizationForm_KC)
                                       .split(QChar('\f'), Qt::SkipEmptyParts)) {
            if (!page.trimmed().isEmpty()) {
                pages.push_back(page.toStdString());
            }
        }
        return pages;
    }

    ScratchFolder folder_;
    const ParameterTable table_ = test::ModelTable();
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(TablePdfTest, EveryRowInOrderUnderTitleHeadingsAndPageLabel) {
    const auto pages = RenderedPages(UiLanguage::English);
    ASSERT_GE(pages.size(), 2u);
    ASSERT_LE(pages.size(), 4u);
    const std::string count = std::to_string(pages.size());
    std::string all;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        EXPECT_TRUE(Contains(pages[n], "Parameter report: Street")) << n;
        EXPECT_TRUE(Contains(pages[n], "Client: Li Lei, Vehicle: Geely Boyue")) << n;
        EXPECT_TRUE(Contains(pages[n], ProgramNameAndVersion())) << n;
        EXPECT_TRUE(Contains(pages[n], "Page " + std::to_string(n + 1) + " of " + count)) << n;
        EXPECT_TRUE(Contains(pages[n], "Front.Right")) << n;
        all += pages[n];
    }
    std::size_t previous = 0;
    for (const ParameterRow& row : table_.rows) {
        if (!row[0].In(UiLanguage::English).empty()) {
            const std::size_t at = all.find(row[0].In(UiLanguage::English), previous);
            ASSERT_NE(at, std::string::npos) << row[0].In(UiLanguage::English);
            previous = at + row[0].In(UiLanguage::English).size();
        }
    }
    // The rows near the end (the very last, a separator, may stand alone on the last page).
    EXPECT_TRUE(Contains(all, "5.396MS"));
    EXPECT_TRUE(Contains(all, "Atk * 32"));
}

TEST_F(TablePdfTest, TheDocumentCarriesTheTuningsNameAndNoSampleText) {
    const std::string path = folder_.PathOf("named.pdf");
    ASSERT_TRUE(RenderPdf(table_, path, UiLanguage::English).ok());
    const auto info = test::RunCommand("pdfinfo " + test::ShellQuoted(path));
    ASSERT_TRUE(info.ok);
    EXPECT_TRUE(Contains(info.text, "Title:           Street\n")) << info.text;
    const auto text = test::RunCommand("pdftotext " + test::ShellQuoted(path) + " -");
    for (const char* sample : {"Multiline", "huar", "senza nome", "report of the file"}) {
        EXPECT_FALSE(Contains(text.text + info.text, sample)) << sample;
    }
}

TEST_F(TablePdfTest, ChineseTableUsesChineseTextsAndPageLabels) {
    const auto pages = RenderedPages(UiLanguage::Chinese);
    ASSERT_FALSE(pages.empty());
    EXPECT_TRUE(Contains(pages[0], ProgramNameAndVersion()));
    EXPECT_TRUE(Contains(pages[0], "参数报告:Street"));  // NFKC turns the full-width colon
    // "第 1 页，共 N 页", whose 页 may come back as a radical that NFKC leaves alone.
    EXPECT_TRUE(Contains(pages[0], "第 1 ") &&
                Contains(pages[0], ",共 " + std::to_string(pages.size()) + " "));
    EXPECT_TRUE(Contains(pages[0], "均衡1类型"));
    EXPECT_TRUE(Contains(pages[0], "前左"));
    std::string all;
    for (const std::string& page : pages) {
        all += page;
    }
    EXPECT_TRUE(Contains(all, "低切类型"));
    EXPECT_TRUE(Contains(all, "1.000毫秒"));
}

}  // namespace
}  // namespace corva
