// Writing an export file in one step, and the messages of the exports.
#pragma once

#include <string>
#include <string_view>

#include "core/Status.h"

namespace corva {

// Writes the bytes to a temporary file beside `path` and renames it over `path` once they are
// all written; on any failure the temporary file is removed and `path` is left as it was.
Status WriteExportFile(const std::string& path, std::string_view bytes);

// "The file … cannot be written", with the system's reason when there is one.
UiText ExportWriteError(const std::string& path, const std::string& reason);

}  // namespace corva
