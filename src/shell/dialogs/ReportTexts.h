// The texts of the report window and its export and print commands.
#pragma once

#include "core/UiText.h"

namespace corva::shell::text {

inline const UiText kReportCaption{"Report", "参数值显示"};
inline const UiText kReportTable{"Parameter table", "参数表"};
inline const UiText kReportTableTip{
    "Every parameter of the six output channels of the live tuning, one row each",
    "实时音效六个输出通道的全部参数，每行一项"};
inline const UiText kReportPrint{"Print", "打印"};
inline const UiText kReportPrintTip{
    "Print the table, or save it as a PDF file, through the print dialog",
    "通过打印对话框打印参数表，或保存为 PDF 文件"};
inline const UiText kReportExport{"Export Excel", "导出Excel"};
inline const UiText kReportExportTip{"Save the table as an Excel workbook (.xlsx)",
                                     "将参数表保存为 Excel 工作簿 (.xlsx)"};
inline const UiText kReportExportTitle{"Load", "导出"};
inline const UiText kReportExportFilter{"Excel(*.xlsx)", "Excel(*.xlsx)"};
inline const UiText kReportCompare{"Compare with file...", "与文件对比..."};
inline const UiText kReportCompareTip{
    "Mark every value of the live tuning that differs from a preset file",
    "标出当前音效与预置文件不同的每个参数"};
inline const UiText kReportCompareCaption{"Tuning to compare with", "要对比的音效文件"};
inline const UiText kReportSame{"%1 holds the same values.", "%1 的参数完全相同。"};
inline const UiText kReportDifferences{
    "%1 values differ from %2: they are marked, and each shows the file's value as its tooltip.",
    "%1 个参数与 %2 不同：已标出，鼠标停留可见文件中的值。"};
inline const UiText kReportFileValue{"File: %1", "文件: %1"};
inline const UiText kReportFileProtected{
    "The file's tuning is protected: its values are not shown.",
    "文件中的音效已加密：不显示其参数。"};

inline const UiText kReportShowFile{"Show file...", "显示文件..."};
inline const UiText kReportShowFileTip{
    "Show the table of a preset file instead of the live tuning (no processor needed)",
    "显示预置文件的参数表，而非当前音效（无需连接机器）"};
inline const UiText kReportShowFileCaption{"Tuning to show", "要显示的音效文件"};
inline const UiText kReportFileCaption{"Report: %1", "参数值显示: %1"};
inline const UiText kReportPresets{"Stored preset", "机器预置"};
inline const UiText kReportPresetsTip{
    "A stored preset: of the processor, or of the complete file shown",
    "机器预置：来自机器，或来自显示中的整机文件"};
inline const UiText kReportComparePreset{"Compare with preset", "与机器预置对比"};
inline const UiText kReportComparePresetTip{
    "Mark and list every value that differs from the chosen stored preset",
    "标出并列出与所选机器预置不同的每个参数"};
inline const UiText kReportPresetName{"preset %1", "预置 %1"};
inline const UiText kReportReadFailed{"The stored preset could not be read.", "无法读取机器预置。"};
inline const UiText kReportExtract{"Extract preset...", "提取预置..."};
inline const UiText kReportExtractTip{
    "Save the chosen stored preset of the complete file shown as a single preset file (.qvms)",
    "将显示中整机文件的所选预置另存为单个预置文件 (.qvms)"};
inline const UiText kReportExtractCaption{"Save the stored preset as", "预置另存为"};
inline const UiText kReportExtractFailed{"The preset cannot be extracted!", "预置提取失败!"};
inline const UiText kReportCsv{"Export CSV", "导出CSV"};
inline const UiText kReportCsvTip{"Save the table as a CSV file beside the workbook",
                                  "将参数表保存为 CSV 文件"};
inline const UiText kReportPdf{"Export PDF", "导出PDF"};
inline const UiText kReportPdfTip{"Save the table as a PDF file of A4 pages",
                                  "将参数表保存为 A4 页面的 PDF 文件"};
inline const UiText kReportExportFailed{"The table cannot be exported!", "参数表导出失败!"};
inline const UiText kReportDifferenceList{"Differences", "差异"};
inline const UiText kReportDifferenceListTip{
    "One line per differing value: channel, parameter, the table's value, the other value",
    "每个不同参数一行：通道、参数、表中的值、对比的值"};

}  // namespace corva::shell::text
