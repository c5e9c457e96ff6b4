// Exports of the parameter table: CSV text, an Excel workbook and a printable PDF. Each writes
// a temporary file and puts it in place only when it is complete, so a failure never leaves
// half a file behind and never touches an existing file. Paths are UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "core/Status.h"
#include "files/ParameterTable.h"

namespace corva {

// The worksheet that holds the table, as spreadsheet users of the report know it.
inline constexpr std::string_view kWorkbookSheetName = "DNM";

// The headings, then one line per table row, the seven cells separated by commas; a cell with
// a comma, a quote or a line break is quoted with its quotes doubled. UTF-8 with a byte-order
// mark, CRLF line ends.
std::string CsvText(const ParameterTableText& table);

Status ExportCsv(const ParameterTableText& table, const std::string& path);

// An .xlsx workbook with one sheet: the headings in the first row, then the table rows, every
// cell as text (empty cells of the separator rows stay blank).
Status ExportXlsx(const ParameterTableText& table, const std::string& path);

// The printed table as PDF pages: the report's facts as title, page number, a framed grid of the
// rows with the headings repeated on every page. Texts and page labels follow `language`; Chinese
// needs a CJK font installed. Needs a QGuiApplication for its fonts; without one it fails with a
// message.
Status RenderPdf(const ParameterTable& table, const std::string& path, UiLanguage language);

}  // namespace corva
