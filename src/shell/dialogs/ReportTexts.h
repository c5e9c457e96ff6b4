// The texts of the report window and its export and print commands.
#pragma once

#include "core/UiText.h"

namespace corva::shell::text {

inline const UiText kReportCaption = Tr("Window", "Report");
inline const UiText kReportTable = Tr("Window", "Parameter table");
inline const UiText kReportTableTip =
    Tr("Window", "Every parameter of the six output channels of the live tuning, one row each");
inline const UiText kReportPrint = Tr("Window", "Print");
inline const UiText kReportPrintTip =
    Tr("Window", "Print the table, or save it as a PDF file, through the print dialog");
inline const UiText kReportExport = Tr("Window", "Export Excel");
inline const UiText kReportExportTip = Tr("Window", "Save the table as an Excel workbook (.xlsx)");
inline const UiText kReportExportTitle = Tr("Window", "Load");
inline const UiText kReportExportFilter = Tr("Window", "Excel(*.xlsx)");
inline const UiText kReportCompare = Tr("Window", "Compare with file...");
inline const UiText kReportCompareTip =
    Tr("Window", "Mark every value of the live tuning that differs from a preset file");
inline const UiText kReportCompareCaption = Tr("Window", "Tuning to compare with");
inline const UiText kReportSame = Tr("Window", "%1 holds the same values.");
inline const UiText kReportDifferences = Tr(
    "Window",
    "%1 values differ from %2: they are marked, and each shows the file's value as its tooltip.");
inline const UiText kReportFileValue = Tr("Window", "File: %1");
inline const UiText kReportFileProtected =
    Tr("Window", "The file's tuning is protected: its values are not shown.");

inline const UiText kReportShowFile = Tr("Window", "Show file...");
inline const UiText kReportShowFileTip = Tr(
    "Window", "Show the table of a preset file instead of the live tuning (no processor needed)");
inline const UiText kReportShowFileCaption = Tr("Window", "Tuning to show");
inline const UiText kReportFileCaption = Tr("Window", "Report: %1");
inline const UiText kReportPresets = Tr("Window", "Stored preset");
inline const UiText kReportPresetsTip =
    Tr("Window", "A stored preset: of the processor, or of the complete file shown");
inline const UiText kReportComparePreset = Tr("Window", "Compare with preset");
inline const UiText kReportComparePresetTip =
    Tr("Window", "Mark and list every value that differs from the chosen stored preset");
inline const UiText kReportPresetName = Tr("Window", "preset %1");
inline const UiText kReportReadFailed = Tr("Window", "The stored preset could not be read.");
inline const UiText kReportExtract = Tr("Window", "Extract preset...");
inline const UiText kReportExtractTip =
    Tr("Window",
       "Save the chosen stored preset of the complete file shown as a single preset file (.qvms)");
inline const UiText kReportExtractCaption = Tr("Window", "Save the stored preset as");
inline const UiText kReportExtractFailed = Tr("Window", "The preset cannot be extracted!");
inline const UiText kReportCsv = Tr("Window", "Export CSV");
inline const UiText kReportCsvTip =
    Tr("Window", "Save the table as a CSV file beside the workbook");
inline const UiText kReportPdf = Tr("Window", "Export PDF");
inline const UiText kReportPdfTip = Tr("Window", "Save the table as a PDF file of A4 pages");
inline const UiText kReportExportFailed = Tr("Window", "The table cannot be exported!");
inline const UiText kReportDifferenceList = Tr("Window", "Differences");
inline const UiText kReportDifferenceListTip =
    Tr("Window",
       "One line per differing value: channel, parameter, the table's value, the other value");

}  // namespace corva::shell::text
