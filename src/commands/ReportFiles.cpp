#include "commands/ReportFiles.h"

#include <algorithm>
#include <cctype>

namespace corva {

std::string WorkbookPath(std::string_view chosen) {
    return PathWithExtension(chosen, kWorkbookExtension);
}

std::string PathWithExtension(std::string_view chosen, std::string_view extension) {
    std::string path(chosen);
    const auto lower = [](unsigned char c) { return static_cast<char>(std::tolower(c)); };
    const bool hasExtension =
        path.size() > extension.size() &&
        std::equal(extension.rbegin(), extension.rend(), path.rbegin(),
                   [&](char wanted, char actual) { return wanted == lower(actual); });
    if (!hasExtension) {
        path += extension;
    }
    return path;
}

}  // namespace corva
