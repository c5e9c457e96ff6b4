// The report window on the simulated processor: opened from the "More" menu with the live
// tuning's 172 rows in the current language; its workbook read back by an independent reader
// (openpyxl); its printout to a PDF file with the page count of the layout and a page range;
// failures shown rather than passed over.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

#include "ShellTestSupport.h"
#include "commands/StoredPresetTable.h"
#include "commands/TuningFiles.h"
#include "export/ExportTestSupport.h"
#include "files/JsonPresetWriter.h"
#include "files/ParameterTableDiff.h"
#include "files/export/ParameterTableExport.h"
#include "model/ChannelEditor.h"
#include "pages/DelayPanel.h"
#include "pages/FullInterfacePage.h"
#include "protocol/ParameterImage.h"
#include "shell/app/PageArea.h"
#include "shell/app/TopBar.h"
#include "shell/dialogs/ProgressWindow.h"
#include "shell/dialogs/ReportWindow.h"

namespace corva::shell {
namespace {

using corva::test::RunCommand;
using corva::test::ShellQuoted;
using test::Program;
using test::ShownMessage;
using test::WaitFor;

class ReportWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        program.view().StartupConnect();
        ASSERT_TRUE(program.WaitSynchronised() &&
                    WaitFor([this] { return !program.view().progress().running(); }));
    }

    // Through the "More" menu, as the user opens it.
    ReportWindow* Open() {
        QAction* entry = program.view().topBar().moreAction(MoreCommand::ParameterReport);
        EXPECT_TRUE(entry->isEnabled());
        entry->trigger();
        // The newest: a window closed before is deleted only later.
        const auto reports = program.window->findChildren<ReportWindow*>();
        EXPECT_FALSE(reports.isEmpty());
        return reports.isEmpty() ? nullptr : reports.last();
    }
    QString Cell(ReportWindow* report, int row, int column) {
        const QTableWidgetItem* item = report->table()->item(row, column);
        return item == nullptr ? QString() : item->text();
    }
    std::string PathOf(const QString& name) {
        return QFile::encodeName(program.folders.filePath(name)).toStdString();
    }

    Program program;
};

// The live tuning against a file saved before one more edit: exactly that cell is marked, with
// the file's value as its tooltip; a file identical to the live tuning marks nothing.
TEST_F(ReportWindowTest, ComparingWithAFileMarksTheValuesThatDiffer) {
    TuningSession& session = program.context->session();
    const std::string before = PathOf(QStringLiteral("before.qvms"));
    ASSERT_TRUE(WriteLiveAsSingleFile(session, before).ok());
    ChannelEditor(session).SetBandGainDb(0, 6, 4.5);
    ReportWindow* report = Open();
    ASSERT_NE(report, nullptr);
    ASSERT_EQ(report->CompareWith(QString::fromStdString(before)), 1);
    const int gainRow = 5 * 6 + 1;  // band 7's gain: four rows and a blank per band
    ASSERT_EQ(Cell(report, gainRow, 0), QStringLiteral("EQ7 Gain"));
    EXPECT_EQ(report->table()->item(gainRow, 1)->toolTip(), QStringLiteral("File: 0.0dB"));
    EXPECT_TRUE(report->table()->item(gainRow, 2)->toolTip().isEmpty());
    EXPECT_TRUE(report->comparisonLabel()->text().startsWith(QStringLiteral("1 values differ")));

    const std::string now = PathOf(QStringLiteral("now.qvms"));
    ASSERT_TRUE(WriteLiveAsSingleFile(session, now).ok());
    EXPECT_EQ(report->CompareWith(QString::fromStdString(now)), 0);
    EXPECT_TRUE(report->table()->item(gainRow, 1)->toolTip().isEmpty());  // marks cleared
    EXPECT_FALSE(report->CompareWith(QStringLiteral("/nonexistent/x.qvms")));
}

// A stored preset of the processor is read, then its differing cells are marked and listed one
// per line as the command line's diff prints them; an unplugged processor closes the window
// before its message.
TEST_F(ReportWindowTest, AStoredPresetIsComparedAndListedAndUnpluggingClosesTheWindow) {
    ChannelEditor(program.context->session()).SetBandGainDb(0, 6, 4.5);
    ReportWindow* report = Open();
    ASSERT_NE(report, nullptr);
    ASSERT_TRUE(report->CompareWithPreset(1));
    ASSERT_TRUE(WaitFor([&] { return !report->comparisonLabel()->text().isEmpty(); }));
    EXPECT_TRUE(report->differenceList()->isVisibleTo(report));
    EXPECT_TRUE(report->differenceList()->toPlainText().contains(
        QRegularExpression(QStringLiteral("^Front\\.Left +EQ7 Gain +4\\.5dB +0\\.0dB$"),
                           QRegularExpression::MultilineOption)));

    const QPointer<ReportWindow> open(report);
    program.devices().Unplug(kDemoDevicePath);
    program.connection().PollDevices();
    EXPECT_TRUE(open.isNull() || !open->isVisible());
    ASSERT_FALSE(program.messages->shown.empty());
    EXPECT_EQ(program.messages->shown.back().text, QStringLiteral("Connection failure!"));
}

// Without a processor a complete file is opened into the window: its stored presets are
// compared from the file, one is extracted into a preset file (asking before it replaces one),
// and the table's CSV is the one the command line's table writes for that file.
TEST_F(ReportWindowTest, AFileShownOfflineIsComparedExtractedAndExportedAsCsv) {
    program.connection().Disconnect();
    ParameterImage image;
    constexpr std::size_t kDelayWord = 252;
    image.Block(2, BlockType::Output, 0)[kDelayWord] = 40;
    const std::string complete = PathOf(QStringLiteral("car.qvma"));
    ASSERT_TRUE(WriteCompleteJson(complete, image, JsonHeaderRecord{}).ok());
    ReportWindow* report = Open();
    ASSERT_NE(report, nullptr);
    EXPECT_FALSE(report->extractButton()->isEnabled());
    ASSERT_TRUE(report->ShowFile(QString::fromStdString(complete)));
    EXPECT_EQ(report->windowTitle(), QStringLiteral("Report: car.qvma"));
    EXPECT_TRUE(report->extractButton()->isEnabled());
    ASSERT_TRUE(report->CompareWithPreset(2));
    EXPECT_TRUE(report->differenceList()->toPlainText().startsWith(QStringLiteral("Front.Left")));
    EXPECT_TRUE(report->comparisonLabel()->text().contains(QStringLiteral("preset 2")));

    const QString single = program.folders.filePath(QStringLiteral("two"));
    ASSERT_TRUE(report->ExtractPreset(2, single).ok());
    EXPECT_EQ(program.messages->shown.back().text, QStringLiteral("Saved ") + single + ".qvms");
    TuningSession file;
    ASSERT_TRUE(LoadTuningFile(file, complete).status.ok());
    TuningSession extracted;
    ASSERT_TRUE(LoadTuningFile(extracted, PathOf(QStringLiteral("two.qvms"))).status.ok());
    EXPECT_TRUE(DiffParameterTables(BuildParameterTable(extracted, DelayUnit::Milliseconds),
                                    StoredPresetTable(file, 2, DelayUnit::Milliseconds))
                    .empty());
    program.messages->answerYes = false;
    EXPECT_FALSE(report->ExtractPreset(2, single).ok());
    EXPECT_EQ(program.messages->shown.back().kind, ShownMessage::Kind::Question);

    const QString csv = program.folders.filePath(QStringLiteral("table.csv"));
    ASSERT_TRUE(report->ExportTable(TableFileFormat::Csv, csv).ok());
    const std::string expected =
        CsvText(TableText(BuildParameterTable(file, DelayUnit::Milliseconds), UiLanguage::English));
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), expected);
}

// The delay page's centimetres setting prints inches in the table (the delays of the listening
// position in use), milliseconds print as such.
TEST_F(ReportWindowTest, DelaysFollowTheDelayPagesUnitSetting) {
    ReportWindow* report = Open();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(Cell(report, 164, 1), QStringLiteral("0.000MS"));
    pages::DelayPanel& delays = program.view().pageArea().page().delayPanel();
    delays.SetUnit(DelayUnit::Centimetres);
    report = Open();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(Cell(report, 164, 1), QStringLiteral("0.00INCH"));
}

TEST_F(ReportWindowTest, ShowsTheLiveTuningInTheLanguageOfTheMomentItOpens) {
    ChannelEditor(program.context->session()).SetGain(4, 550);
    ReportWindow* report = Open();
    ASSERT_NE(report, nullptr);
    QTableWidget* table = report->table();
    EXPECT_EQ(report->windowTitle(), QStringLiteral("Report"));
    ASSERT_EQ(table->rowCount(), 172);
    ASSERT_EQ(table->columnCount(), 7);
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QStringLiteral("Args"));
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), QStringLiteral("Front.Left"));
    EXPECT_EQ(Cell(report, 0, 0), QStringLiteral("EQ1 Type"));
    EXPECT_EQ(Cell(report, 164, 0), QStringLiteral("Delay"));
    EXPECT_EQ(Cell(report, 170, 0), QStringLiteral("Release"));
    EXPECT_TRUE(Cell(report, 4, 0).isEmpty());
    // Output channel 4 is column 5; its gain row shows the edit, its neighbours do not.
    EXPECT_EQ(Cell(report, 165, 0), QStringLiteral("Gain"));
    EXPECT_EQ(Cell(report, 165, 5), QStringLiteral("-5.0dB"));
    EXPECT_NE(Cell(report, 165, 4), Cell(report, 165, 5));
    // Fixed columns, whole rows selected, nothing edited in place.
    EXPECT_EQ(table->horizontalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_EQ(table->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    for (QWidget* control :
         {static_cast<QWidget*>(table), static_cast<QWidget*>(report->printButton()),
          static_cast<QWidget*>(report->exportButton())}) {
        EXPECT_FALSE(control->accessibleName().isEmpty());
        EXPECT_FALSE(control->toolTip().isEmpty());
        EXPECT_NE(control->focusPolicy() & Qt::TabFocus, 0);
    }
    report->close();

    program.context->language().Set(UiLanguage::Chinese);
    report = Open();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->windowTitle(), QStringLiteral("参数值显示"));
    EXPECT_EQ(report->table()->horizontalHeaderItem(1)->text(), QStringLiteral("前左"));
    EXPECT_EQ(Cell(report, 0, 0), QStringLiteral("均衡1类型"));
    EXPECT_EQ(Cell(report, 163, 0), QStringLiteral("相  位"));
    EXPECT_EQ(report->printButton()->text(), QStringLiteral("打印"));
    EXPECT_EQ(report->exportButton()->text(), QStringLiteral("导出Excel"));
    report->close();
}

// Row count, the first row, and the cells of rows 1, 5 and the last, as openpyxl reads them.
constexpr const char* kWorkbookSummary = R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheet = book["DNM"]
rows = list(sheet.iter_rows(values_only=True))
out = [str(len(rows))]
for index in (0, 1, 5, len(rows) - 1):
    out.append("|".join("" if v is None else str(v) for v in rows[index]))
print(book.sheetnames[0])
print("\n".join(out))
)";

TEST_F(ReportWindowTest, TheExportedWorkbookReadsBackWithTheHeadingsAnd172Rows) {
    if (!RunCommand("command -v /usr/bin/python3 >/dev/null").ok) {
        GTEST_SKIP() << "python3 is not installed";
    }
    ReportWindow* report = Open();
    ASSERT_NE(report, nullptr);
    // The extension is added to a name chosen without it.
    const Status status = report->ExportWorkbook(program.folders.filePath(QStringLiteral("DNM")));
    ASSERT_TRUE(status.ok()) << status.message().In(UiLanguage::English);
    const std::string path = PathOf(QStringLiteral("DNM.xlsx"));
    ASSERT_TRUE(QFile::exists(QString::fromStdString(path)));

    const auto read = RunCommand("/usr/bin/python3 -c " + ShellQuoted(kWorkbookSummary) + " " +
                                 ShellQuoted(path));
    ASSERT_TRUE(read.ok) << read.text;
    const QStringList lines = QString::fromStdString(read.text).split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("DNM"));
    EXPECT_EQ(lines[1], QStringLiteral("173"));  // the headings and 172 rows
    EXPECT_EQ(lines[2], QStringLiteral("Args|Front.Left|Front.Right|Rear.Left|Rear.Right|") +
                            report->table()->horizontalHeaderItem(5)->text() + QLatin1Char('|') +
                            report->table()->horizontalHeaderItem(6)->text());
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("EQ1 Type|PEQ|")));
    EXPECT_EQ(lines[4], QStringLiteral("||||||"));  // a separator row stays empty
    EXPECT_EQ(lines[5], QStringLiteral("||||||"));
    ASSERT_EQ(program.messages->shown.size(), 1u);  // the success names the file
    EXPECT_TRUE(program.messages->shown[0].text.startsWith(QStringLiteral("Saved ")));
    report->close();
}

class ReportPrintTest : public ReportWindowTest {
protected:
    void SetUp() override {
        if (!RunCommand("command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null").ok) {
            GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
        }
        ReportWindowTest::SetUp();
    }
    int PdfPages(const std::string& path) {
        const auto info = RunCommand("pdfinfo " + ShellQuoted(path));
        const QString text = QString::fromStdString(info.text);
        const auto at = text.indexOf(QStringLiteral("Pages:"));
        return at < 0 ? -1 : text.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
    }
    // Compared after NFKC: the extraction may give ligatures ("ﬁ") for letter pairs.
    QStringList PdfPageTexts(const std::string& path) {
        const auto text = RunCommand("pdftotext -layout " + ShellQuoted(path) + " -");
        return QString::fromStdString(text.text)
            .normalized(QString::NormalizationForm_KC)
            .split(QChar('\f'), Qt::SkipEmptyParts);
    }
    // A printer that the print dialog has set to print into a PDF file.
    std::unique_ptr<QPrinter> PdfPrinter(const std::string& path) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(path));
        return printer;
    }
};

TEST_F(ReportPrintTest, PrintingToAPdfFileGivesThePagesOfTheLayout) {
    ReportWindow* report = Open();
    ASSERT_NE(report, nullptr);
    const std::string path = PathOf(QStringLiteral("report.pdf"));
    auto printer = PdfPrinter(path);
    const TablePrintResult printed = report->PrintTo(*printer);
    ASSERT_TRUE(printed.status.ok()) << printed.status.message().In(UiLanguage::English);
    ASSERT_GT(printed.rowsPerPage, 0);
    // Just enough pages for the 172 rows.
    const int pages = (172 + printed.rowsPerPage - 1) / printed.rowsPerPage;
    EXPECT_EQ(printed.pageCount, pages);
    EXPECT_EQ(PdfPages(path), pages);
    const QStringList texts = PdfPageTexts(path);
    ASSERT_EQ(texts.size(), pages);
    const QString count = QString::number(pages);
    EXPECT_TRUE(texts.first().contains(QStringLiteral("Page 1 of ") + count));
    EXPECT_TRUE(texts.first().contains(QStringLiteral("Front.Left")));
    // The header names the live tuning's source; the footer the program.
    EXPECT_TRUE(texts.first().contains(QStringLiteral("Parameter report:")));
    EXPECT_TRUE(texts.first().contains(QStringLiteral("Source:")));
    EXPECT_TRUE(texts.last().contains(QStringLiteral("Page ") + count + " of " + count));
    EXPECT_TRUE(texts.last().contains(QStringLiteral("Release")));
    EXPECT_TRUE(texts.last().contains(QStringLiteral("Corva DSP")));
    EXPECT_FALSE(texts.last().contains(QStringLiteral("Just a huar")));

    // A page range prints those pages only, still numbered within the whole.
    if (pages >= 3) {
        const std::string part = PathOf(QStringLiteral("pages.pdf"));
        auto ranged = PdfPrinter(part);
        ranged->setPrintRange(QPrinter::PageRange);
        ranged->setFromTo(2, 3);
        ASSERT_TRUE(report->PrintTo(*ranged).status.ok());
        EXPECT_EQ(PdfPages(part), 2);
        const QStringList partTexts = PdfPageTexts(part);
        ASSERT_EQ(partTexts.size(), 2);
        EXPECT_TRUE(partTexts[0].contains(QStringLiteral("Page 2 of ") + count));
        EXPECT_TRUE(partTexts[1].contains(QStringLiteral("Page 3 of ") + count));
    }
    EXPECT_TRUE(program.messages->shown.empty());
    report->close();
}

// Neither file is half written; each failure is shown, not passed over in silence.
TEST_F(ReportPrintTest, AnExportOrPrintThatCannotBeWrittenSaysSoAndLeavesNothing) {
    ReportWindow* report = Open();
    ASSERT_NE(report, nullptr);
    const QString workbook = program.folders.filePath(QStringLiteral("missing/DNM.xlsx"));
    EXPECT_FALSE(report->ExportWorkbook(workbook).ok());
    const std::string pdf = PathOf(QStringLiteral("missing/report.pdf"));
    EXPECT_FALSE(report->PrintTo(*PdfPrinter(pdf)).status.ok());
    ASSERT_EQ(program.messages->shown.size(), 2u);
    EXPECT_EQ(program.messages->shown[0].kind, test::ShownMessage::Kind::Plain);
    EXPECT_FALSE(QFile::exists(workbook));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
    report->close();
}

}  // namespace
}  // namespace corva::shell
