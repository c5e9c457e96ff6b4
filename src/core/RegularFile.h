// Outside files are read only when they are regular files: opening a named pipe or a device
// would wait for a writer or never end, and a folder has no content to read.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "core/TextExcerpt.h"
#include "core/UiText.h"

namespace corva {

// True for a regular file (a link is followed) and for a path that does not exist (its reader
// then reports it missing in its own words).
inline bool IsRegularOrMissing(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return status.type() == std::filesystem::file_type::not_found ||
           status.type() == std::filesystem::file_type::regular;
}

inline UiText NotARegularFileMessage(const std::string& path) {
    const std::string shown = EscapedExcerpt(path, 200);
    return Tr("Common",
              "\"%1\" is not a regular file (a folder, a pipe or a device): it is not read.")
        .Arg(shown);
}

}  // namespace corva
