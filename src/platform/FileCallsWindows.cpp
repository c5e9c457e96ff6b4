// The file calls on Windows: wide-character paths, FlushFileBuffers for a sync, and
// ReplaceFileW / MoveFileExW for the replacement (a plain rename cannot replace a file there).
#include "platform/FileCalls.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shlobj.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>

namespace corva::platform {
namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          length);
    return wide;
}

std::string Utf8(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                             nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                          length, nullptr, nullptr);
    return utf8;
}

// The nearest errno value, so the reasons read as on the other systems.
int ErrorNumber(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_UNABLE_TO_REMOVE_REPLACED:
        case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
            return EACCES;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_NOT_SAME_DEVICE:
            return EXDEV;
        default:
            return EIO;
    }
}

NewFile Open(const std::string& path, int flags) {
    NewFile file;
    file.handle =
        ::_wopen(Wide(path).c_str(), flags | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (file.handle < 0) {
        file.handle = kNoFile;
        file.error = errno;
    }
    return file;
}

}  // namespace

PathFacts InspectPath(const std::string& path) {
    PathFacts facts;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) {
        const int error = ErrorNumber(::GetLastError());
        if (error != ENOENT) {
            facts.error = error;
        }
        return facts;
    }
    using Kind = PathFacts::Kind;
    const DWORD attributes = data.dwFileAttributes;
    facts.kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? Kind::SymbolicLink
                 : (attributes & FILE_ATTRIBUTE_DIRECTORY)   ? Kind::Folder
                 : (attributes & FILE_ATTRIBUTE_DEVICE)      ? Kind::Other
                                                             : Kind::RegularFile;
    facts.permissions = (attributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
    return facts;
}

ResolvedPath ResolveLinks(const std::string& path) {
    ResolvedPath resolved;
    const HANDLE handle =
        ::CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        resolved.error = ErrorNumber(::GetLastError());
        return resolved;
    }
    std::wstring target(MAX_PATH, L'\0');
    DWORD length =
        ::GetFinalPathNameByHandleW(handle, target.data(), static_cast<DWORD>(target.size()), 0);
    if (length >= target.size()) {
        target.resize(length);
        length = ::GetFinalPathNameByHandleW(handle, target.data(),
                                             static_cast<DWORD>(target.size()), 0);
    }
    const DWORD error = ::GetLastError();
    ::CloseHandle(handle);
    if (length == 0 || length >= target.size()) {
        resolved.error = ErrorNumber(error);
        return resolved;
    }
    target.resize(length);
    if (target.rfind(L"\\\\?\\", 0) == 0) {
        target.erase(0, 4);  // the long-path prefix the call adds
    }
    resolved.path = Utf8(target);
    return resolved;
}

int CheckWritable(const std::string& path) {
    return ::_waccess(Wide(path).c_str(), 2) == 0 ? 0 : errno;
}

NewFile CreateNewFile(const std::string& path) {
    return Open(path, _O_WRONLY | _O_CREAT | _O_EXCL);
}

NewFile OpenForSync(const std::string& path) {
    // FlushFileBuffers needs a handle that may write.
    return Open(path, _O_WRONLY);
}

int WriteAll(FileHandle file, const std::uint8_t* bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const std::size_t piece = std::min<std::size_t>(size - done, INT_MAX);
        const int written = ::_write(file, bytes + done, static_cast<unsigned>(piece));
        if (written < 0) {
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        done += static_cast<std::size_t>(written);
    }
    return 0;
}

void SetPermissions(FileHandle, unsigned) {
    // A replaced file keeps its attributes through ReplaceFileW.
}

int SyncFile(FileHandle file) {
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(file));
    if (handle == INVALID_HANDLE_VALUE) {
        return EBADF;
    }
    return ::FlushFileBuffers(handle) ? 0 : ErrorNumber(::GetLastError());
}

int CloseFile(FileHandle file) {
    return ::_close(file) == 0 ? 0 : errno;
}

int ReplaceFile(const std::string& from, const std::string& to) {
    const std::wstring source = Wide(from);
    const std::wstring target = Wide(to);
    // An existing file is replaced keeping its attributes and security; a new one is moved in
    // with the move written through. The new content was flushed before either.
    if (::ReplaceFileW(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                       nullptr, nullptr)) {
        return 0;
    }
    const DWORD replaceError = ::GetLastError();
    if (replaceError != ERROR_FILE_NOT_FOUND) {
        return ErrorNumber(replaceError);
    }
    if (::MoveFileExW(source.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 0;
    }
    return ErrorNumber(::GetLastError());
}

int PlaceNewFile(const std::string& from, const std::string& to) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the name is taken.
    if (::MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_WRITE_THROUGH)) {
        return 0;
    }
    return ErrorNumber(::GetLastError());
}

void SyncFolder(const std::string&) {
    // MOVEFILE_WRITE_THROUGH and ReplaceFileW leave nothing for the folder to flush.
}

void RemoveFile(const std::string& path) {
    ::_wunlink(Wide(path).c_str());
}

std::string UserDataFolder() {
    PWSTR folder = nullptr;
    std::string utf8;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &folder))) {
        utf8 = Utf8(folder);
    }
    ::CoTaskMemFree(folder);
    return utf8;
}

}  // namespace corva::platform
