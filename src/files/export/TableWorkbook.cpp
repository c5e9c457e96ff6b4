// The Excel export of the parameter table, written with libxlsxwriter.
#include <xlsxwriter.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "files/SafeFileWriter.h"
#include "files/export/ParameterTableExport.h"

namespace corva {
namespace {

constexpr double kLabelColumnWidth = 16;    // characters
constexpr double kChannelColumnWidth = 13;  // "Link_Ril", "5.396MS", "-60.0dB" with room

lxw_error FillSheet(lxw_workbook* workbook, const ParameterTableText& table) {
    const std::string sheetName(kWorkbookSheetName);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, sheetName.c_str());
    lxw_format* heading = workbook_add_format(workbook);
    lxw_format* label = workbook_add_format(workbook);
    lxw_format* value = workbook_add_format(workbook);
    if (sheet == nullptr || heading == nullptr || label == nullptr || value == nullptr) {
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    }
    format_set_bold(heading);
    format_set_align(heading, LXW_ALIGN_CENTER);
    format_set_bottom(heading, LXW_BORDER_THIN);
    format_set_align(value, LXW_ALIGN_CENTER);

    lxw_error error = worksheet_set_column(sheet, 0, 0, kLabelColumnWidth, label);
    if (error == LXW_NO_ERROR) {
        error =
            worksheet_set_column(sheet, 1, kParameterTableColumns - 1, kChannelColumnWidth, value);
    }
    // The headings stay in view while scrolling and repeat on every page Excel prints.
    worksheet_freeze_panes(sheet, 1, 1);
    if (error == LXW_NO_ERROR) {
        error = worksheet_repeat_rows(sheet, 0, 0);
    }
    worksheet_fit_to_pages(sheet, 1, 0);

    for (lxw_col_t k = 0; k < kParameterTableColumns && error == LXW_NO_ERROR; ++k) {
        error = worksheet_write_string(sheet, 0, k, table.headings[k].c_str(), heading);
    }
    for (std::size_t r = 0; r < table.rows.size() && error == LXW_NO_ERROR; ++r) {
        const auto sheetRow = static_cast<lxw_row_t>(r + 1);
        for (lxw_col_t k = 0; k < kParameterTableColumns && error == LXW_NO_ERROR; ++k) {
            // An empty text writes nothing: the separator rows stay blank.
            error = worksheet_write_string(sheet, sheetRow, k, table.rows[r][k].c_str(),
                                           k == 0 ? label : value);
        }
    }
    return error;
}

}  // namespace

Status ExportXlsx(const ParameterTableText& table, const std::string& path) {
    // libxlsxwriter writes the file itself under the name it is given: a temporary file beside
    // the target, which replaces the target only when the workbook is complete.
    FileReplacement replacement(path);
    if (!replacement.status().ok()) {
        return replacement.status();
    }
    lxw_workbook* workbook = workbook_new(replacement.temporaryPath().c_str());
    if (workbook == nullptr) {
        return Status::Fail(FileWriteError(path, lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED)));
    }
    lxw_error error = FillSheet(workbook, table);
    // The file is written only here, so a write that fails shows up in this result. Closing
    // also frees the workbook, so it happens in every case.
    errno = 0;
    const lxw_error closed = workbook_close(workbook);
    const int systemError = errno;
    if (error == LXW_NO_ERROR) {
        error = closed;
    }
    if (error != LXW_NO_ERROR) {
        // A file that could not be written (a full disk) leaves the system's reason in errno;
        // it says more than the library's own text.
        const bool fileError = closed != LXW_NO_ERROR && systemError != 0;
        return Status::Fail(FileWriteError(
            path, fileError ? std::generic_category().message(systemError) : lxw_strerror(error)));
    }
    return replacement.Commit();
}

}  // namespace corva
