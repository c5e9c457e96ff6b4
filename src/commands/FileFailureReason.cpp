#include "commands/FileFailureReason.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace corva {

UiText ReadFailureReason(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const auto status = fs::status(path, error);
    if (!fs::exists(status)) {
        return Tr("Commands", "The file does not exist (or its folder is missing).");
    }
    if (fs::is_directory(status)) {
        return Tr("Commands", "It is a folder, not a file.");
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file != nullptr) {
        std::fclose(file);
        return {};
    }
    const int code = errno;
    if (code == EACCES || code == EPERM) {
        return Tr("Commands", "You may not read this file.");
    }
    return Tr("Commands", "It cannot be read: %1.").Arg(std::strerror(code));
}

UiText WrongContentReason() {
    return Tr("Commands", "The file is not of this kind, or it is cut short or damaged.");
}

UiText UnreadableFileReason(const std::string& path) {
    UiText reason = ReadFailureReason(path);
    return reason.empty() ? WrongContentReason() : reason;
}

}  // namespace corva
