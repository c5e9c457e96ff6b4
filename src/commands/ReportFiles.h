// The file rules of the parameter report's exports: their extensions, the name the save dialog
// starts with, and the path a chosen name becomes.
#pragma once

#include <string>
#include <string_view>

namespace corva {

inline constexpr std::string_view kWorkbookExtension = ".xlsx";
inline constexpr std::string_view kCsvExtension = ".csv";
inline constexpr std::string_view kPdfExtension = ".pdf";
// The save dialog starts on this name in the program's "MusicFile" folder.
inline constexpr std::string_view kWorkbookFirstName = "DNM";
inline constexpr std::string_view kWorkbookFolderName = "MusicFile";

// The chosen path, with the extension appended unless the path already ends with it (in any
// letter case): "table" and "table.xlsx.old" get it, "Table.XLSX" keeps its own.
std::string WorkbookPath(std::string_view chosen);
// The same rule for any extension (given with its dot).
std::string PathWithExtension(std::string_view chosen, std::string_view extension);

}  // namespace corva
