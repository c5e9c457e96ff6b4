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

}  // namespace corva::shell::text
