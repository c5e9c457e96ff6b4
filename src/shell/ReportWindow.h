// The report window: every output-channel parameter of the live tuning as one table, a row per
// parameter and a column per channel, in the language of the moment it opens. From it the
// table is exported as an Excel workbook or printed (a printer or a PDF file).
#pragma once

#include <memory>
#include <optional>

#include <QDialog>

#include "dsp/values/DelayCodes.h"
#include "files/ParameterTable.h"
#include "files/export/TablePrinting.h"

class QLabel;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace corva::shell {

class AppContext;

class ReportWindow : public QDialog {
    Q_OBJECT

public:
    // The table is read from the live tuning now; the delay row uses `delayUnit`.
    ReportWindow(AppContext& context, DelayUnit delayUnit, QWidget* parent);
    ~ReportWindow() override;

    QTableWidget* table() { return table_; }
    QPushButton* printButton() { return print_; }
    QPushButton* exportButton() { return export_; }
    QPushButton* compareButton() { return compare_; }
    QLabel* comparisonLabel() { return comparison_; }
    const ParameterTableText& tableText() const { return text_; }

    // The buttons: a save dialog for the workbook, the platform's print dialog.
    void ChooseWorkbook();
    void ChoosePrinter();

    // Asks for a preset file and marks every cell where it differs from the live tuning.
    void ChooseComparison();
    // The number of differing values marked, or nothing when the file cannot be compared
    // (the reason is shown).
    std::optional<int> CompareWith(const QString& path);

    // What the dialogs lead to; a failure is shown and returned.
    Status ExportWorkbook(const QString& chosenPath);
    // A printer set to print to a PDF file gets the file through the program's safe writer;
    // the chosen page range is kept either way.
    TablePrintResult PrintTo(QPrinter& printer);

private:
    void Fill();
    void ClearMarks();
    void ShowFailure(const Status& status);

    AppContext& context_;
    const UiLanguage language_;
    const ParameterTable live_;
    const ParameterTableText text_;
    QTableWidget* table_;
    QPushButton* print_;
    QPushButton* export_;
    QPushButton* compare_;
    QLabel* comparison_;
    const DelayUnit delayUnit_;
    std::unique_ptr<QPrinter> printer_;  // kept so the print dialog remembers its choices
};

}  // namespace corva::shell
