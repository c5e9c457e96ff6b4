#include "files/JsonFileAccess.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/RegularFile.h"

namespace corva {
namespace {

namespace fs = std::filesystem;

fs::path PathFromUtf8(const std::string& path) {
    return fs::path(std::u8string(path.begin(), path.end()));
}

Status CannotOpen() {
    return Status::Fail(Tr("Files", "The file cannot be opened."));
}

}  // namespace

Status ReadJsonFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
    const fs::path file = PathFromUtf8(path);
    std::error_code error;
    if (!IsRegularOrMissing(path)) {
        return Status::Fail(NotARegularFileMessage(path));
    }
    if (!fs::is_regular_file(file, error)) {
        return CannotOpen();
    }
    const auto size = fs::file_size(file, error);
    if (error) {
        return CannotOpen();
    }
    if (size > kMaxJsonFileSize) {
        return Status::Fail(Tr("Files", "The file is too large to be a preset file."));
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return CannotOpen();
    }
    std::vector<std::uint8_t> content(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(content.data()), static_cast<std::streamsize>(content.size()));
    if (static_cast<std::size_t>(in.gcount()) != content.size()) {
        return Status::Fail(Tr("Files", "The file cannot be read completely."));
    }
    bytes = std::move(content);
    return Status::Ok();
}

}  // namespace corva
