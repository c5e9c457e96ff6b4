#include "commands/DocumentFileIo.h"

#include <filesystem>
#include <fstream>

#include "files/SafeFileWriter.h"

namespace corva {

std::string StorePathWithExtension(std::string_view chosenPath, std::string_view extension) {
    std::string path(chosenPath);
    if (path.find(extension) == std::string::npos) {
        path += extension;
    }
    return path;
}

std::optional<std::vector<std::uint8_t>> ReadDocumentFile(const std::string& path,
                                                          std::size_t maxBytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(maxBytes);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(maxBytes));
    if (in.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool WriteDocument(std::span<const std::uint8_t> bytes, const UiText& storeError,
                   DocumentStoreResult& result) {
    if (const Status written = WriteFileSafely(result.path, bytes); !written.ok()) {
        result.status = Status::Fail(storeError);
        result.writeError = written.message();
        return false;
    }
    return true;
}

}  // namespace corva
