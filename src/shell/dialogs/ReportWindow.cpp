#include "shell/dialogs/ReportWindow.h"

#include <algorithm>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "commands/FileFailureReason.h"
#include "commands/ReportFiles.h"
#include "commands/StoredPresetTable.h"
#include "commands/TuningFiles.h"
#include "files/ParameterDifferenceLines.h"
#include "files/export/ParameterTableExport.h"
#include "files/export/ReportFacts.h"
#include "files/export/TablePageLayout.h"
#include "shell/app/AppContext.h"
#include "shell/app/MessagePresenter.h"
#include "shell/app/NameAndTip.h"
#include "shell/app/ShellTexts.h"
#include "shell/dialogs/ReadOnlyRowList.h"
#include "shell/dialogs/ReportTexts.h"
#include "shell/panels/FileChooser.h"
#include "shell/panels/ReplaceQuestion.h"
#include "shell/panels/StoredPresetCopy.h"
#include "text/CodePage.h"

namespace corva::shell {
namespace {

constexpr int kColumnWidthPx = 100;
constexpr int kRowHeightPx = 22;
constexpr int kTableHeightPx = 400;
constexpr int kDifferenceListHeightPx = 96;
const QColor kTableInk{0, 0, 255};
const QColor kTableBackground{247, 247, 255};

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The live tuning, with the facts the printed header shows: its name, the processor's link and
// the time.
ParameterTable LiveTable(AppContext& context, DelayUnit delayUnit) {
    ParameterTable table = BuildParameterTable(context.session(), delayUnit);
    table.facts = ProcessorReportFacts(context.session(), context.controller().linkDescription());
    return table;
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Where the exports start: the workbook's folder, under the workbook's first name.
QString ExportStart(const QString& startupFolder, std::string_view extension) {
    return QDir(startupFolder)
        .filePath(FromUtf8(std::string(kWorkbookFolderName) + "/" +
                           std::string(kWorkbookFirstName) + std::string(extension)));
}

const QString kPresetFileFilter = QStringLiteral("*.qvms *.qvma *.wkcs *.kpdm");

}  // namespace

ReportWindow::ReportWindow(AppContext& context, DelayUnit delayUnit, QWidget* parent)
    : QDialog(parent),
      context_{context},
      language_{context.language().current()},
      delayUnit_{delayUnit},
      shown_{LiveTable(context, delayUnit)},
      text_{TableText(shown_, language_)},
      table_{new QTableWidget(this)},
      print_{new QPushButton(this)},
      export_{new QPushButton(this)},
      csv_{new QPushButton(this)},
      pdf_{new QPushButton(this)},
      showFile_{new QPushButton(this)},
      compare_{new QPushButton(this)},
      presets_{new QComboBox(this)},
      comparePreset_{new QPushButton(this)},
      extract_{new QPushButton(this)},
      comparison_{new QLabel(this)},
      differenceList_{new QPlainTextEdit(this)} {
    setObjectName(QStringLiteral("reportWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    // Modal, yet its texts follow a switch made elsewhere, as every window's do.
    Language& language = context_.language();
    ShowTitle();
    language.OnChange(this, [this] {
        ShowTitle();
        FollowLanguage(context_.language().current());
    });

    table_->setObjectName(QStringLiteral("reportTable"));
    BindNameAndTip(language, table_, text::kReportTable, text::kReportTableTip);
    MakeReadOnlyRowList(table_);
    table_->setShowGrid(true);
    table_->setTabKeyNavigation(false);  // Tab leaves the table for the buttons
    table_->verticalHeader()->setDefaultSectionSize(kRowHeightPx);
    // The columns keep their width: the user cannot drag them.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setDefaultSectionSize(kColumnWidthPx);
    table_->horizontalHeader()->setSectionsClickable(false);
    QPalette colours = table_->palette();
    colours.setColor(QPalette::Text, kTableInk);
    colours.setColor(QPalette::Base, kTableBackground);
    table_->setPalette(colours);
    Fill();
    const int frame = 2 * table_->frameWidth();
    table_->setFixedSize(kParameterTableColumns * kColumnWidthPx + frame +
                             table_->verticalScrollBar()->sizeHint().width(),
                         kTableHeightPx);

    const auto button = [&](QPushButton* b, const char* name, const UiText& label,
                            const UiText& tip) {
        b->setObjectName(QString::fromLatin1(name));
        language.BindText(b, label);
        BindNameAndTip(language, b, label, tip);
        b->setAutoDefault(false);
    };
    button(print_, "reportPrint", text::kReportPrint, text::kReportPrintTip);
    button(export_, "reportExport", text::kReportExport, text::kReportExportTip);
    button(csv_, "reportCsv", text::kReportCsv, text::kReportCsvTip);
    button(pdf_, "reportPdf", text::kReportPdf, text::kReportPdfTip);
    button(showFile_, "reportShowFile", text::kReportShowFile, text::kReportShowFileTip);
    button(compare_, "reportCompare", text::kReportCompare, text::kReportCompareTip);
    button(comparePreset_, "reportComparePreset", text::kReportComparePreset,
           text::kReportComparePresetTip);
    button(extract_, "reportExtract", text::kReportExtract, text::kReportExtractTip);
    presets_->setObjectName(QStringLiteral("reportPresets"));
    BindNameAndTip(language, presets_, text::kReportPresets, text::kReportPresetsTip);
    FillPresetChoice();
    comparison_->setWordWrap(true);
    comparison_->setMaximumWidth(table_->width() - 420);
    BindName(language, comparison_, Tr("Window", "Comparison", "accessible name"));
    differenceList_->setObjectName(QStringLiteral("reportDifferences"));
    BindNameAndTip(language, differenceList_, text::kReportDifferenceList,
                   text::kReportDifferenceListTip);
    differenceList_->setReadOnly(true);
    differenceList_->setLineWrapMode(QPlainTextEdit::NoWrap);
    differenceList_->setTabChangesFocus(true);
    differenceList_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    differenceList_->setFixedSize(table_->width(), kDifferenceListHeightPx);
    differenceList_->hide();  // until a comparison finds differences

    connect(print_, &QPushButton::clicked, this, &ReportWindow::ChoosePrinter);
    connect(export_, &QPushButton::clicked, this, &ReportWindow::ChooseWorkbook);
    connect(csv_, &QPushButton::clicked, this, [this] { ChooseTableFile(TableFileFormat::Csv); });
    connect(pdf_, &QPushButton::clicked, this, [this] { ChooseTableFile(TableFileFormat::Pdf); });
    connect(showFile_, &QPushButton::clicked, this, &ReportWindow::ChooseFileToShow);
    connect(compare_, &QPushButton::clicked, this, &ReportWindow::ChooseComparison);
    connect(comparePreset_, &QPushButton::clicked, this,
            [this] { CompareWithPreset(presets_->currentIndex() + 1); });
    connect(extract_, &QPushButton::clicked, this, &ReportWindow::ChooseExtract);

    auto* sources = new QHBoxLayout;
    sources->addWidget(showFile_);
    sources->addWidget(compare_);
    sources->addWidget(presets_, 1);
    sources->addWidget(comparePreset_);
    sources->addWidget(extract_);
    auto* outputs = new QHBoxLayout;
    outputs->addWidget(comparison_, 1);
    outputs->addWidget(print_);
    outputs->addWidget(export_);
    outputs->addWidget(csv_);
    outputs->addWidget(pdf_);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(table_);
    layout->addWidget(differenceList_);
    layout->addLayout(sources);
    layout->addLayout(outputs);
    table_->setFocus();
}

ReportWindow::~ReportWindow() = default;

QStringList ReportWindow::Headings() const {
    QStringList headings;
    for (const std::string& heading : text_.headings) {
        headings << FromUtf8(heading);
    }
    return headings;
}

void ReportWindow::FollowLanguage(UiLanguage language) {
    language_ = language;
    text_ = TableText(shown_, language_);
    table_->setHorizontalHeaderLabels(Headings());
    const int rows = std::min(table_->rowCount(), static_cast<int>(text_.rows.size()));
    for (int r = 0; r < rows; ++r) {
        const ParameterTextRow& row = text_.rows[static_cast<std::size_t>(r)];
        for (int k = 0; k < kParameterTableColumns; ++k) {
            if (QTableWidgetItem* cell = table_->item(r, k)) {
                cell->setText(FromUtf8(row[static_cast<std::size_t>(k)]));
            }
        }
    }
}

void ReportWindow::Fill() {
    table_->setColumnCount(kParameterTableColumns);
    table_->setRowCount(static_cast<int>(text_.rows.size()));
    table_->setHorizontalHeaderLabels(Headings());
    for (int r = 0; r < table_->rowCount(); ++r) {
        const ParameterTextRow& row = text_.rows[static_cast<std::size_t>(r)];
        for (int k = 0; k < kParameterTableColumns; ++k) {
            auto* cell = new QTableWidgetItem(FromUtf8(row[static_cast<std::size_t>(k)]));
            cell->setTextAlignment(Qt::AlignCenter);
            table_->setItem(r, k, cell);
        }
    }
}

void ReportWindow::FillPresetChoice() {
    const TuningSession& source = file_ ? *file_ : context_.session();
    const auto names = source.Snapshot().presetNames;
    presets_->clear();
    for (int preset = 1; preset <= kPresetCount; ++preset) {
        const std::string name = DecodeRecordText(names[static_cast<std::size_t>(preset - 1)]);
        presets_->addItem(QStringLiteral("%1 %2").arg(preset).arg(FromUtf8(name)).trimmed());
    }
    const bool complete =
        file_ && TuningFileKindOf(LocalPath(filePath_)) == TuningFileKind::Complete;
    extract_->setEnabled(complete);
}

void ReportWindow::ChoosePresetFile(const UiText& caption,
                                    const std::function<void(const QString&)>& use) {
    const QPointer<ReportWindow> self(this);  // an unplugged processor closes the window
    const QString chosen =
        context_.fileChooser().ChooseOpenPath(this, context_.language().Pick(caption),
                                              context_.settings().DataFolder(), kPresetFileFilter);
    if (!chosen.isEmpty() && self) {
        use(chosen);
    }
}

void ReportWindow::ChooseFileToShow() {
    ChoosePresetFile(text::kReportShowFileCaption, [this](const QString& path) { ShowFile(path); });
}

bool ReportWindow::ShowFile(const QString& path) {
    auto file = std::make_unique<TuningSession>();
    const TuningFileLoad load = LoadTuningFile(*file, LocalPath(path));
    if (!load.status.ok()) {
        ShowFailure(load.status.message(), UnreadableFileReason(LocalPath(path)));
        return false;
    }
    if (file->IsProtected()) {
        ShowFailure(Status::Fail(text::kReportFileProtected));
        return false;
    }
    shown_ = BuildParameterTable(*file, delayUnit_);
    shown_.facts = FileReportFacts(*file, LocalPath(path), load.header);
    text_ = TableText(shown_, language_);
    file_ = std::move(file);
    filePath_ = path;
    printer_.reset();  // its document name was the live tuning's
    Fill();
    ClearMarks();
    comparison_->clear();
    differenceList_->clear();
    differenceList_->hide();
    FillPresetChoice();
    ShowTitle();
    return true;
}

void ReportWindow::ShowTitle() {
    const Language& language = context_.language();
    setWindowTitle(
        filePath_.isEmpty()
            ? language.Pick(text::kReportCaption)
            : language.Pick(text::kReportFileCaption).arg(QFileInfo(filePath_).fileName()));
}

void ReportWindow::ChooseComparison() {
    ChoosePresetFile(text::kReportCompareCaption,
                     [this](const QString& path) { CompareWith(path); });
}

std::optional<int> ReportWindow::CompareWith(const QString& path) {
    TuningSession file;
    const TuningFileLoad load = LoadTuningFile(file, LocalPath(path));
    if (!load.status.ok()) {
        ShowFailure(load.status.message(), UnreadableFileReason(LocalPath(path)));
        return std::nullopt;
    }
    if (file.IsProtected()) {
        ShowFailure(Status::Fail(text::kReportFileProtected));
        return std::nullopt;
    }
    return ShowDifferences(BuildParameterTable(file, delayUnit_), QFileInfo(path).fileName());
}

bool ReportWindow::CompareWithPreset(int preset) {
    const QString name = context_.language().Pick(text::kReportPresetName).arg(preset);
    if (file_) {
        ShowDifferences(StoredPresetTable(*file_, preset, delayUnit_), name);
        return true;
    }
    const bool reading = ReadStoredPresetThen(context_, preset, this, [this, preset, name] {
        ShowDifferences(StoredPresetTable(context_.session(), preset, delayUnit_), name);
    });
    if (!reading) {
        const UserMessage refusal = NoConnectionMessage();
        ShowFailure(text::kReportReadFailed, refusal.text);
    }
    return reading;
}

int ReportWindow::ShowDifferences(const ParameterTable& other, const QString& otherName) {
    ClearMarks();
    const Language& language = context_.language();
    const auto differences = DiffParameterTables(shown_, other);
    const QColor marked{255, 226, 150};
    for (const ParameterDifference& difference : differences) {
        QTableWidgetItem* cell =
            table_->item(static_cast<int>(difference.row), static_cast<int>(difference.column));
        if (cell != nullptr) {
            cell->setBackground(marked);
            cell->setToolTip(language.Pick(text::kReportFileValue)
                                 .arg(FromUtf8(difference.second.In(language_))));
        }
    }
    // The same lines as the command line's diff of the two.
    std::vector<DifferenceLine> lines;
    AddDifferenceLines(lines, language_, "", shown_, other);
    differenceList_->setPlainText(FromUtf8(AlignedColumnsText(lines)));
    differenceList_->setVisible(!lines.empty());
    comparison_->setText(
        differences.empty()
            ? language.Pick(text::kReportSame).arg(otherName)
            : language.Pick(text::kReportDifferences).arg(differences.size()).arg(otherName));
    return static_cast<int>(differences.size());
}

void ReportWindow::ClearMarks() {
    for (int r = 0; r < table_->rowCount(); ++r) {
        for (int k = 0; k < table_->columnCount(); ++k) {
            if (QTableWidgetItem* cell = table_->item(r, k)) {
                cell->setData(Qt::BackgroundRole, QVariant());
                cell->setToolTip(QString());
            }
        }
    }
}

void ReportWindow::ChooseWorkbook() {
    const Language& language = context_.language();
    const QString start = QDir(context_.settings().folders().startup)
                              .filePath(FromUtf8(std::string(kWorkbookFolderName) + "/" +
                                                 std::string(kWorkbookFirstName)));
    auto* dialog = new QFileDialog(this, language.Pick(text::kReportExportTitle), start,
                                   language.Pick(text::kReportExportFilter));
    dialog->setObjectName(QStringLiteral("workbookDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& path) { static_cast<void>(ExportWorkbook(path)); });
    dialog->open();
}

Status ReportWindow::ExportWorkbook(const QString& chosenPath) {
    const std::string path = WorkbookPath(LocalPath(chosenPath));
    return WriteChosen(text::kReportExportFailed, chosenPath, QFile::decodeName(path.c_str()),
                       [this](const std::string& to) { return ExportXlsx(text_, to); });
}

void ReportWindow::ChooseTableFile(TableFileFormat format) {
    const bool csv = format == TableFileFormat::Csv;
    const std::string_view extension = csv ? kCsvExtension : kPdfExtension;
    const QPointer<ReportWindow> self(this);  // an unplugged processor closes the window
    const QString chosen = context_.fileChooser().ChooseSavePath(
        this, context_.language().Pick(csv ? text::kReportCsv : text::kReportPdf),
        ExportStart(context_.settings().folders().startup, extension),
        csv ? QStringLiteral("CSV (*.csv)") : QStringLiteral("PDF (*.pdf)"));
    if (!chosen.isEmpty() && self) {
        static_cast<void>(ExportTable(format, chosen));
    }
}

Status ReportWindow::ExportTable(TableFileFormat format, const QString& chosenPath) {
    const bool csv = format == TableFileFormat::Csv;
    const std::string path =
        PathWithExtension(LocalPath(chosenPath), csv ? kCsvExtension : kPdfExtension);
    return WriteChosen(text::kReportExportFailed, chosenPath, QFile::decodeName(path.c_str()),
                       [this, csv](const std::string& to) {
                           return csv ? ExportCsv(text_, to) : RenderPdf(shown_, to, language_);
                       });
}

void ReportWindow::ChooseExtract() {
    const QPointer<ReportWindow> self(this);  // an unplugged processor closes the window
    const QString chosen = context_.fileChooser().ChooseSavePath(
        this, context_.language().Pick(text::kReportExtractCaption),
        context_.settings().DataFolder(), QStringLiteral("*.qvms"));
    if (!chosen.isEmpty() && self) {
        static_cast<void>(ExtractPreset(presets_->currentIndex() + 1, chosen));
    }
}

Status ReportWindow::ExtractPreset(int preset, const QString& chosenPath) {
    if (!extract_->isEnabled()) {
        return Status::Fail(text::kReportExtractFailed);  // no complete file is shown
    }
    const std::string path = PathWithExtension(LocalPath(chosenPath), ".qvms");
    const std::string complete = LocalPath(filePath_);
    return WriteChosen(
        text::kReportExtractFailed, chosenPath, QFile::decodeName(path.c_str()),
        [&](const std::string& to) { return ExtractStoredPreset(complete, preset, to).status; });
}

Status ReportWindow::WriteChosen(const UiText& failure, const QString& chosenPath,
                                 const QString& path,
                                 const std::function<Status(const std::string&)>& write) {
    // The save dialog asked about the name as chosen; a name the program completed is asked
    // about here.
    if (!MayReplaceCompleted(context_, chosenPath, path)) {
        return Status::Fail(failure);
    }
    const Status status = write(LocalPath(path));
    if (status.ok()) {
        ShowWritten(context_, path);
    } else {
        ShowFailure(failure, status.message());
    }
    return status;
}

void ReportWindow::ChoosePrinter() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setDocName(FromUtf8(PrintDocumentName(text_.facts, language_)));
    }
    auto* dialog = new QPrintDialog(printer_.get(), this);
    dialog->setObjectName(QStringLiteral("printDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this] { PrintTo(*printer_); });
    dialog->open();
}

TablePrintResult ReportWindow::PrintTo(QPrinter& printer) {
    PrintPageRange range;
    if (printer.printRange() == QPrinter::PageRange) {
        range = {printer.fromPage(), printer.toPage()};
    }
    TablePrintResult result;
    const QString file = printer.outputFileName();
    if (printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) {
        result = WriteTablePdf(text_, QFile::encodeName(file).toStdString(), language_,
                               printer.pageLayout(), range);
    } else {
        // The page layout measures from the corner of the paper, margins included.
        printer.setFullPage(true);
        printer.setDocName(FromUtf8(PrintDocumentName(text_.facts, language_)));
        result = PaintTablePages(printer, text_, language_, range);
    }
    ShowFailure(result.status);
    return result;
}

void ReportWindow::ShowFailure(const Status& status) {
    if (!status.ok()) {
        ShowFailure(status.message(), {});
    }
}

void ReportWindow::ShowFailure(const UiText& failure, const UiText& reason) {
    Present(context_.messages(), context_.language(),
            UserMessage{failure, MessageStyle::Plain, {}, reason});
}

}  // namespace corva::shell
