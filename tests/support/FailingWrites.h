// Writes that fail for real, the way a disk that fills up fails them, for every writer of the
// program's files. The write runs in a forked child whose files may not grow past a few bytes
// (RLIMIT_FSIZE, with SIGXFSZ ignored so that a write past the limit fails with EFBIG instead
// of ending the process). This works as root too, where a read-only folder stops nothing.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

#include "core/Status.h"

namespace corva::test {

// A child's regular files may not grow past this: every file the program writes is longer.
inline constexpr rlim_t kChildFileSizeLimitBytes = 16;

// What a write run in the child reported.
struct ChildWrite {
    bool reported = false;  // the child ran the write to its end and reported
    bool ok = false;        // the write said it succeeded
    std::string message;    // its English message when it failed
};

// From now on this process's regular files (and those of the programs it starts, which keep
// the limit and the ignored SIGXFSZ across exec) may not grow past `limitBytes`; a write past
// it fails with EFBIG. False when the limit cannot be set.
inline bool LimitFileSizes(rlim_t limitBytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) {
        return false;
    }
    limit.rlim_cur = limitBytes;
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// Runs `write` in a forked child with the file size limit. Call it with no other thread of the
// test program running (a child has only the calling thread).
inline ChildWrite RunWithFileSizeLimit(const std::function<Status()>& write,
                                       rlim_t limitBytes = kChildFileSizeLimitBytes) {
    int channel[2];
    if (::pipe(channel) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return {};
    }
    std::fflush(nullptr);  // nothing buffered is written twice
    const pid_t child = ::fork();
    if (child < 0) {
        ADD_FAILURE() << "fork: " << std::strerror(errno);
        ::close(channel[0]);
        ::close(channel[1]);
        return {};
    }
    if (child == 0) {
        ::close(channel[0]);
        int code = 1;
        if (LimitFileSizes(limitBytes)) {
            const Status status = write();
            const std::string report =
                (status.ok() ? "1" : "0") + status.message().In(UiLanguage::English);
            code = ::write(channel[1], report.data(), report.size()) ==
                           static_cast<ssize_t>(report.size())
                       ? 0
                       : 1;
        }
        ::_exit(code);  // no destructors, no test framework teardown in the child
    }
    ::close(channel[1]);
    std::string report;
    char buffer[512];
    for (;;) {
        const ssize_t count = ::read(channel[0], buffer, sizeof buffer);
        if (count > 0) {
            report.append(buffer, static_cast<std::size_t>(count));
        } else if (count == 0 || errno != EINTR) {
            break;
        }
    }
    ::close(channel[0]);
    int childStatus = 0;
    while (::waitpid(child, &childStatus, 0) < 0 && errno == EINTR) {
    }
    ChildWrite result;
    result.reported = WIFEXITED(childStatus) && WEXITSTATUS(childStatus) == 0 && !report.empty();
    if (result.reported) {
        result.ok = report[0] == '1';
        result.message = report.substr(1);
    }
    return result;
}

inline std::string FileContent(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every name in a folder, sub-folders included.
inline std::set<std::string> NamesInFolder(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        names.insert(entry.path().lexically_relative(folder).string());  // links not followed
    }
    return names;
}

// The user's old file at `target`, then `write` overwrites it in a child whose writes fail
// past the limit: the write must report failure, the old file must still be there byte for
// byte, and the folder must hold nothing new (no temporary file left behind). Returns the
// failure's message for further checks.
inline std::string ExpectFailedOverwriteKeepsOldFile(const std::string& target,
                                                     const std::function<Status()>& write) {
    const std::string old =
        "The user's old file: a failed overwrite must leave every byte of it.\n\x01\x02\xff";
    {
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out << old;
    }
    const auto folder = std::filesystem::path(target).parent_path();
    const auto namesBefore = NamesInFolder(folder);

    const ChildWrite child = RunWithFileSizeLimit(write);
    EXPECT_TRUE(child.reported) << "the write did not come back from the child";
    EXPECT_FALSE(child.ok) << "a write that failed was reported as success";
    EXPECT_FALSE(child.message.empty());
    EXPECT_EQ(FileContent(target), old) << "the old file was changed";
    EXPECT_EQ(NamesInFolder(folder), namesBefore) << "something was left behind";
    return child.message;
}

// `write` aims at a file in `missingFolder` (a folder that does not exist): it must fail with
// a message and create nothing, neither the folder nor anything beside it.
inline std::string ExpectMissingFolderFails(const std::filesystem::path& missingFolder,
                                            const std::function<Status()>& write) {
    EXPECT_FALSE(std::filesystem::exists(missingFolder));
    const auto parent = missingFolder.parent_path();
    const auto namesBefore = NamesInFolder(parent);
    const Status status = write();
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.message().In(UiLanguage::English).empty());
    EXPECT_FALSE(status.message().In(UiLanguage::Chinese).empty());
    EXPECT_FALSE(std::filesystem::exists(missingFolder));
    EXPECT_EQ(NamesInFolder(parent), namesBefore);
    return status.message().In(UiLanguage::English);
}

}  // namespace corva::test
