// The report window: every output-channel parameter of the live tuning (or of a preset file
// opened into it, without a processor) as one table, a row per parameter and a column per
// channel, in the language of the moment it opens. From it the table is compared with a file or
// a stored preset (the differing cells marked and listed), exported as an Excel workbook, a CSV
// or a PDF file, or printed; a stored preset of a complete file is extracted into a preset file.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QDialog>

#include "dsp/values/DelayCodes.h"
#include "files/ParameterTable.h"
#include "files/ParameterTableDiff.h"
#include "files/export/TablePrinting.h"
#include "model/TuningSession.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace corva::shell {

class AppContext;

enum class TableFileFormat { Csv, Pdf };

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
    QPushButton* extractButton() { return extract_; }
    QComboBox* presetChoice() { return presets_; }
    QLabel* comparisonLabel() { return comparison_; }
    QPlainTextEdit* differenceList() { return differenceList_; }
    const ParameterTableText& tableText() const { return text_; }

    // The buttons: a save dialog for the workbook, the platform's print dialog.
    void ChooseWorkbook();
    void ChoosePrinter();

    // Asks for a preset file and marks every cell where it differs from the table shown.
    void ChooseComparison();
    // The number of differing values marked and listed, or nothing when the file cannot be
    // compared (the reason is shown).
    std::optional<int> CompareWith(const QString& path);
    // Compares with stored preset `preset` (1..15): of the complete file shown, or else read
    // from the processor first (the marks then follow when it has arrived). Nothing (and the
    // reason shown) when it cannot be read.
    bool CompareWithPreset(int preset);

    // Asks for a preset file and shows its table; true when it is shown (else the reason is).
    void ChooseFileToShow();
    bool ShowFile(const QString& path);

    // What the dialogs lead to; a failure is shown and returned, a success names the file.
    Status ExportWorkbook(const QString& chosenPath);
    Status ExportTable(TableFileFormat format, const QString& chosenPath);
    // Stored preset `preset` of the complete file shown, as a single preset file.
    Status ExtractPreset(int preset, const QString& chosenPath);
    // A printer set to print to a PDF file gets the file through the program's safe writer;
    // the chosen page range is kept either way.
    TablePrintResult PrintTo(QPrinter& printer);

private:
    void Fill();
    void ShowTitle();  // the live tuning's caption, or the shown file's
    QStringList Headings() const;
    // The table's headings and cells in the interface's new language, marks kept.
    void FollowLanguage(UiLanguage language);
    void FillPresetChoice();
    void ClearMarks();
    // Marks and lists the differences between the table shown and `other`, named `otherName`.
    int ShowDifferences(const ParameterTable& other, const QString& otherName);
    void ChooseTableFile(TableFileFormat format);
    // Asks for a preset file in the data folder under `caption`; `use` gets it unless the
    // dialog was cancelled or the window closed meanwhile.
    void ChoosePresetFile(const UiText& caption, const std::function<void(const QString&)>& use);
    void ChooseExtract();
    // Writes `path`, the chosen path completed, asking before it replaces a file the save
    // dialog did not ask about; says what was written or why it was not.
    Status WriteChosen(const UiText& failure, const QString& chosenPath, const QString& path,
                       const std::function<Status(const std::string&)>& write);
    void ShowFailure(const Status& status);
    void ShowFailure(const UiText& failure, const UiText& reason);

    AppContext& context_;
    UiLanguage language_;  // of the table, its exports and prints: the interface's
    const DelayUnit delayUnit_;
    ParameterTable shown_;
    ParameterTableText text_;
    std::unique_ptr<TuningSession> file_;  // the file shown instead of the live tuning
    QString filePath_;
    QTableWidget* table_;
    QPushButton* print_;
    QPushButton* export_;
    QPushButton* csv_;
    QPushButton* pdf_;
    QPushButton* showFile_;
    QPushButton* compare_;
    QComboBox* presets_;
    QPushButton* comparePreset_;
    QPushButton* extract_;
    QLabel* comparison_;
    QPlainTextEdit* differenceList_;
    std::unique_ptr<QPrinter> printer_;  // kept so the print dialog remembers its choices
};

}  // namespace corva::shell
