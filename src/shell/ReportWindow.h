// The report window: every output-channel parameter of the live tuning as one table, a row per
// parameter and a column per channel, in the language of the moment it opens. From it the
// table is exported as an Excel workbook or printed (a printer or a PDF file).
#pragma once

#include <memory>

#include <QDialog>

#include "dsp/values/DelayCodes.h"
#include "files/ParameterTable.h"
#include "files/export/TablePrinting.h"

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
    const ParameterTableText& tableText() const { return text_; }

    // The buttons: a save dialog for the workbook, the platform's print dialog.
    void ChooseWorkbook();
    void ChoosePrinter();

    // What the dialogs lead to; a failure is shown and returned.
    Status ExportWorkbook(const QString& chosenPath);
    // A printer set to print to a PDF file gets the file through the program's safe writer;
    // the chosen page range is kept either way.
    TablePrintResult PrintTo(QPrinter& printer);

private:
    void Fill();
    void ShowFailure(const Status& status);

    AppContext& context_;
    const UiLanguage language_;
    const ParameterTableText text_;
    QTableWidget* table_;
    QPushButton* print_;
    QPushButton* export_;
    std::unique_ptr<QPrinter> printer_;  // kept so the print dialog remembers its choices
};

}  // namespace corva::shell
