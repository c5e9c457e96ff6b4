// The Excel export of the parameter table, written with libxlsxwriter.
#include <xlsxwriter.h>

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "files/export/ExportFile.h"
#include "files/export/ParameterTableExport.h"

namespace corva {
namespace {

namespace fs = std::filesystem;

constexpr double kLabelColumnWidth = 16;    // characters
constexpr double kChannelColumnWidth = 13;  // "Link_Ril", "5.396MS", "-60.0dB" with room

fs::path PathFromUtf8(const std::string& path) {
    return fs::path(std::u8string(path.begin(), path.end()));
}

std::string Utf8OfPath(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A name beside the target that no other export uses at the same time.
fs::path TemporaryBeside(const fs::path& target) {
    std::random_device random;
    const unsigned long long tag = (static_cast<unsigned long long>(random()) << 32) ^ random();
    fs::path temporary = target;
    temporary += ".part-" + std::to_string(tag);
    return temporary;
}

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
    const fs::path target = PathFromUtf8(path);
    const fs::path temporary = TemporaryBeside(target);
    const std::string temporaryName = Utf8OfPath(temporary);

    lxw_workbook* workbook = workbook_new(temporaryName.c_str());
    if (workbook == nullptr) {
        return Status::Fail(ExportWriteError(path, lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED)));
    }
    lxw_error error = FillSheet(workbook, table);
    // The file is created only here, so a folder that does not exist or cannot be written to
    // shows up in this result. Closing also frees the workbook, so it happens in every case.
    const lxw_error closed = workbook_close(workbook);
    if (error == LXW_NO_ERROR) {
        error = closed;
    }
    std::error_code ignored;
    if (error != LXW_NO_ERROR) {
        fs::remove(temporary, ignored);
        return Status::Fail(ExportWriteError(path, lxw_strerror(error)));
    }
    std::error_code renamed;
    fs::rename(temporary, target, renamed);
    if (renamed) {
        fs::remove(temporary, ignored);
        return Status::Fail(ExportWriteError(path, renamed.message()));
    }
    return Status::Ok();
}

}  // namespace corva
