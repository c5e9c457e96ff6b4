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
        return {"The file does not exist (or its folder is missing).",
                "文件不存在（或其文件夹不存在）。"};
    }
    if (fs::is_directory(status)) {
        return {"It is a folder, not a file.", "这是一个文件夹，不是文件。"};
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file != nullptr) {
        std::fclose(file);
        return {};
    }
    const int code = errno;
    if (code == EACCES || code == EPERM) {
        return {"You may not read this file.", "没有读取此文件的权限。"};
    }
    const std::string system = std::strerror(code);
    return {"It cannot be read: " + system + ".", "无法读取：" + system + "。"};
}

UiText WrongContentReason() {
    return {"The file is not of this kind, or it is cut short or damaged.",
            "文件类型不符，或文件不完整、已损坏。"};
}

UiText UnreadableFileReason(const std::string& path) {
    UiText reason = ReadFailureReason(path);
    return reason.english.empty() ? WrongContentReason() : reason;
}

}  // namespace corva
