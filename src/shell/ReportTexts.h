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

}  // namespace corva::shell::text
