#include "shell/ReportWindow.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "commands/ReportFiles.h"
#include "commands/TuningFiles.h"
#include "files/ParameterTableDiff.h"
#include "files/export/ParameterTableExport.h"
#include "files/export/ReportFacts.h"
#include "files/export/TablePageLayout.h"
#include "shell/AppContext.h"
#include "shell/FileChooser.h"
#include "shell/ReportTexts.h"
#include "shell/ShellTexts.h"

namespace corva::shell {
namespace {

constexpr int kColumnWidthPx = 100;
constexpr int kRowHeightPx = 22;
constexpr int kTableHeightPx = 520;
const QColor kTableInk{0, 0, 255};
const QColor kTableBackground{247, 247, 255};

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

void NameAndTip(QWidget* widget, const QString& name, const QString& tip) {
    widget->setAccessibleName(name);
    widget->setToolTip(tip);
}

// The live tuning, with the facts the printed header shows: its name, the processor's link and
// the time.
ParameterTable LiveTable(AppContext& context, DelayUnit delayUnit) {
    ParameterTable table = BuildParameterTable(context.session(), delayUnit);
    table.facts =
        ProcessorReportFacts(context.session(), context.controller().linkDescription());
    return table;
}

}  // namespace

ReportWindow::ReportWindow(AppContext& context, DelayUnit delayUnit, QWidget* parent)
    : QDialog(parent),
      context_{context},
      language_{context.language().current()},
      live_{LiveTable(context, delayUnit)},
      text_{TableText(live_, language_)},
      table_{new QTableWidget(this)},
      print_{new QPushButton(this)},
      export_{new QPushButton(this)},
      compare_{new QPushButton(this)},
      comparison_{new QLabel(this)},
      delayUnit_{delayUnit} {
    setObjectName(QStringLiteral("reportWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    const Language& language = context_.language();
    setWindowTitle(language.Pick(text::kReportCaption));

    table_->setObjectName(QStringLiteral("reportTable"));
    NameAndTip(table_, language.Pick(text::kReportTable), language.Pick(text::kReportTableTip));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setShowGrid(true);
    table_->setTabKeyNavigation(false);  // Tab leaves the table for the buttons
    table_->verticalHeader()->hide();
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

    print_->setObjectName(QStringLiteral("reportPrint"));
    print_->setText(language.Pick(text::kReportPrint));
    NameAndTip(print_, print_->text(), language.Pick(text::kReportPrintTip));
    export_->setObjectName(QStringLiteral("reportExport"));
    export_->setText(language.Pick(text::kReportExport));
    NameAndTip(export_, export_->text(), language.Pick(text::kReportExportTip));
    compare_->setObjectName(QStringLiteral("reportCompare"));
    compare_->setText(language.Pick(text::kReportCompare));
    NameAndTip(compare_, compare_->text(), language.Pick(text::kReportCompareTip));
    comparison_->setWordWrap(true);
    comparison_->setMaximumWidth(table_->width() - 360);
    comparison_->setAccessibleName(QStringLiteral("Comparison"));
    for (QPushButton* button : {print_, export_, compare_}) {
        button->setAutoDefault(false);
    }
    connect(print_, &QPushButton::clicked, this, &ReportWindow::ChoosePrinter);
    connect(export_, &QPushButton::clicked, this, &ReportWindow::ChooseWorkbook);
    connect(compare_, &QPushButton::clicked, this, &ReportWindow::ChooseComparison);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compare_);
    buttons->addWidget(comparison_, 1);
    buttons->addWidget(print_);
    buttons->addWidget(export_);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    table_->setFocus();
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::Fill() {
    table_->setColumnCount(kParameterTableColumns);
    table_->setRowCount(static_cast<int>(text_.rows.size()));
    QStringList headings;
    for (const std::string& heading : text_.headings) {
        headings << FromUtf8(heading);
    }
    table_->setHorizontalHeaderLabels(headings);
    for (int r = 0; r < table_->rowCount(); ++r) {
        const ParameterTextRow& row = text_.rows[static_cast<std::size_t>(r)];
        for (int k = 0; k < kParameterTableColumns; ++k) {
            auto* cell = new QTableWidgetItem(FromUtf8(row[static_cast<std::size_t>(k)]));
            cell->setTextAlignment(Qt::AlignCenter);
            table_->setItem(r, k, cell);
        }
    }
}

void ReportWindow::ChooseComparison() {
    const QString chosen = context_.fileChooser().ChooseOpenPath(
        this, context_.language().Pick(text::kReportCompareCaption),
        context_.settings().DataFolder(), QStringLiteral("*.qvms *.qvma *.wkcs *.kpdm"));
    if (!chosen.isEmpty()) {
        CompareWith(chosen);
    }
}

std::optional<int> ReportWindow::CompareWith(const QString& path) {
    ClearMarks();
    comparison_->clear();
    const Language& language = context_.language();
    TuningSession file;
    const TuningFileLoad load = LoadTuningFile(file, QFile::encodeName(path).toStdString());
    if (!load.status.ok()) {
        ShowFailure(load.status);
        return std::nullopt;
    }
    if (file.IsProtected()) {
        ShowFailure(Status::Fail(text::kReportFileProtected));
        return std::nullopt;
    }
    const auto differences = DiffParameterTables(live_, BuildParameterTable(file, delayUnit_));
    const QColor marked{255, 226, 150};
    for (const ParameterDifference& difference : differences) {
        QTableWidgetItem* cell = table_->item(static_cast<int>(difference.row),
                                              static_cast<int>(difference.column));
        if (cell != nullptr) {
            cell->setBackground(marked);
            cell->setToolTip(
                language.Pick(text::kReportFileValue).arg(FromUtf8(difference.second.In(language_))));
        }
    }
    const QString name = QFileInfo(path).fileName();
    comparison_->setText(differences.empty()
                             ? language.Pick(text::kReportSame).arg(name)
                             : language.Pick(text::kReportDifferences)
                                   .arg(differences.size())
                                   .arg(name));
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
    const std::string path = WorkbookPath(QFile::encodeName(chosenPath).toStdString());
    const Status status = ExportXlsx(text_, path);
    ShowFailure(status);
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
        const Language& language = context_.language();
        context_.messages().ShowPlain(language.Pick(status.message()),
                                      language.Pick(text::kWindowTitle));
    }
}

}  // namespace corva::shell
