#include "commands/ReportFiles.h"

#include <algorithm>
#include <cctype>

namespace corva {

std::string WorkbookPath(std::string_view chosen) {
    std::string path(chosen);
    const auto lower = [](unsigned char c) { return static_cast<char>(std::tolower(c)); };
    const bool hasExtension =
        path.size() > kWorkbookExtension.size() &&
        std::equal(kWorkbookExtension.rbegin(), kWorkbookExtension.rend(), path.rbegin(),
                   [&](char wanted, char actual) { return wanted == lower(actual); });
    if (!hasExtension) {
        path += kWorkbookExtension;
    }
    return path;
}

}  // namespace corva
