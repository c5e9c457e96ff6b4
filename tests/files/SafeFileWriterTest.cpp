// The one writer of the program's files: new files, whole replacement, writes that fail on a
// full disk or a missing folder, targets that are not files, links, permissions, and the
// replacement that a library fills in itself.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>

#include "files/FileTestSupport.h"
#include "files/SafeFileWriter.h"
#include "support/FailingWrites.h"
#include "support/Rendered.h"

namespace corva {
namespace {

using test::FileContent;
using test::NamesInFolder;
using test::ScratchFolder;

namespace fs = std::filesystem;

unsigned PermissionsOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

TEST(SafeFileWriterTest, WritesANewFileAndReplacesAnOldOneWhole) {
    ScratchFolder folder;
    const std::string path = folder.PathOf("new.bin");
    ASSERT_TRUE(WriteFileSafely(path, std::string_view("first content, the longer one")).ok());
    EXPECT_EQ(FileContent(path), "first content, the longer one");
    ASSERT_TRUE(WriteFileSafely(path, std::string_view("second")).ok());
    EXPECT_EQ(FileContent(path), "second") << "nothing of the old file remains";
    ASSERT_TRUE(WriteFileSafely(path, std::string_view{}).ok());
    EXPECT_EQ(FileContent(path), "");
    EXPECT_EQ(NamesInFolder(folder.PathOf("")), std::set<std::string>{"new.bin"});
}

TEST(SafeFileWriterTest, AFullDiskMidFileLeavesTheOldFileAndNoTemporaryFile) {
    ScratchFolder folder;
    const std::string path = folder.PathOf("kept.bin");
    const std::string content(5000, 'n');
    const std::string message = test::ExpectFailedOverwriteKeepsOldFile(
        path, [&] { return WriteFileSafely(path, content); });
    EXPECT_EQ(message, "The file \"" + path + "\" cannot be written: File too large.");
}

TEST(SafeFileWriterTest, AFolderThatDoesNotExistFailsWithTheSystemsReason) {
    ScratchFolder folder;
    const std::string path = folder.PathOf("missing/file.bin");
    const std::string message = test::ExpectMissingFolderFails(
        folder.PathOf("missing"), [&] { return WriteFileSafely(path, std::string_view("x")); });
    EXPECT_EQ(message, "The file \"" + path + "\" cannot be written: No such file or directory.");
    const UiText text = FileWriteError(path, "No such file or directory");
    EXPECT_EQ(text.In(UiLanguage::Chinese),
              "无法写入文件“" + path + "”：No such file or directory。");
    EXPECT_EQ(FileWriteError(path, {}).In(UiLanguage::English),
              "The file \"" + path + "\" cannot be written.");
    EXPECT_EQ(FileWriteError("a", "a library's sentence.").In(UiLanguage::English),
              "The file \"a\" cannot be written: a library's sentence.");
}

TEST(SafeFileWriterTest, TheDetailOfAFailedWriteIsThePathAndAFewWords) {
    ScratchFolder folder;
    const std::string missing = folder.PathOf("missing/file.bin");
    const Status failed = WriteFileSafely(missing, std::string_view("x"));
    EXPECT_EQ(test::Rendered(FileWriteDetail(missing, failed.message())),
              (test::BothLanguages{missing + ": no such folder", missing + "：文件夹不存在"}));
    EXPECT_EQ(FileWriteDetail("/dev/full", WriteFileSafely("/dev/full", "x").message())
                  .In(UiLanguage::English),
              "/dev/full: not a regular file");
    EXPECT_EQ(FileWriteDetail("a", FileWriteError("a", "No space left on device"))
                  .In(UiLanguage::English),
              "a: the disk is full");
    // A reason without words of its own is kept; a message of another kind gives the path.
    EXPECT_EQ(FileWriteDetail("a", FileWriteError("a", "Zip error")).In(UiLanguage::English),
              "a: Zip error");
    EXPECT_EQ(test::Rendered(FileWriteDetail("a", UiText::Literal("Something else"))),
              (test::BothLanguages{"a", "a"}));
}

TEST(SafeFileWriterTest, TargetsThatAreNotFilesAreRefusedAndLeftAlone) {
    ScratchFolder folder;
    fs::create_directory(folder.PathOf("folder.bin"));
    ScratchFolder::Write(folder.PathOf("folder.bin/inside"), {1, 2, 3});
    ASSERT_EQ(::mkfifo(folder.PathOf("pipe.bin").c_str(), 0600), 0);
    const auto namesBefore = NamesInFolder(folder.PathOf(""));

    const Status onFolder = WriteFileSafely(folder.PathOf("folder.bin"), std::string_view("x"));
    EXPECT_FALSE(onFolder.ok());
    EXPECT_NE(onFolder.message().In(UiLanguage::English).find("Is a directory"), std::string::npos);
    const Status onPipe = WriteFileSafely(folder.PathOf("pipe.bin"), std::string_view("x"));
    EXPECT_FALSE(onPipe.ok());
    EXPECT_NE(onPipe.message().In(UiLanguage::English).find("not a regular file"),
              std::string::npos);

    EXPECT_TRUE(fs::is_directory(folder.PathOf("folder.bin")));
    EXPECT_TRUE(fs::is_fifo(folder.PathOf("pipe.bin")));
    EXPECT_EQ(NamesInFolder(folder.PathOf("")), namesBefore);
}

TEST(SafeFileWriterTest, ALinkIsFollowedAndStaysALink) {
    ScratchFolder folder;
    ScratchFolder::Write(folder.PathOf("real.bin"), {9, 9, 9});
    fs::create_symlink("real.bin", folder.PathOf("link.bin"));
    ASSERT_TRUE(WriteFileSafely(folder.PathOf("link.bin"), std::string_view("through")).ok());
    EXPECT_TRUE(fs::is_symlink(folder.PathOf("link.bin")));
    EXPECT_EQ(FileContent(folder.PathOf("real.bin")), "through");
    EXPECT_EQ(NamesInFolder(folder.PathOf("")), (std::set<std::string>{"link.bin", "real.bin"}));
}

TEST(SafeFileWriterTest, AReplacementKeepsThePermissionsANewFileGetsTheUsual) {
    ScratchFolder folder;
    const mode_t previousMask = ::umask(022);
    const std::string fresh = folder.PathOf("fresh.bin");
    ASSERT_TRUE(WriteFileSafely(fresh, std::string_view("a")).ok());
    EXPECT_EQ(PermissionsOf(fresh), 0644u) << "not the 0600 of a temporary file";

    const std::string kept = folder.PathOf("kept.bin");
    ScratchFolder::Write(kept, {1});
    fs::permissions(kept, fs::perms(0640));
    ASSERT_TRUE(WriteFileSafely(kept, std::string_view("b")).ok());
    EXPECT_EQ(PermissionsOf(kept), 0640u);
    ::umask(previousMask);
}

TEST(SafeFileWriterTest, ANameNearTheLongestAllowedStillGetsATemporaryFile) {
    ScratchFolder folder;
    // 240 bytes, with two-byte characters across the place where the temporary name cuts it.
    std::string name;
    while (name.size() < 236) {
        name += "é";
    }
    name += ".bin";
    ASSERT_TRUE(WriteFileSafely(folder.PathOf(name), std::string_view("long")).ok());
    EXPECT_EQ(FileContent(folder.PathOf(name)), "long");
    EXPECT_EQ(NamesInFolder(folder.PathOf("")), std::set<std::string>{name});
}

TEST(FileReplacementTest, ALibraryWritesTheTemporaryFileAndCommitPutsItInPlace) {
    ScratchFolder folder;
    const std::string target = folder.PathOf("book.xlsx");
    ScratchFolder::Write(target, {'o', 'l', 'd'});
    {
        FileReplacement replacement(target);
        ASSERT_TRUE(replacement.status().ok());
        EXPECT_EQ(fs::path(replacement.temporaryPath()).parent_path(),
                  fs::path(target).parent_path());
        EXPECT_EQ(FileContent(replacement.temporaryPath()), "");
        std::ofstream(replacement.temporaryPath(), std::ios::binary) << "written by a library";
        EXPECT_EQ(FileContent(target), "old") << "nothing changes before the commit";
        ASSERT_TRUE(replacement.Commit().ok());
    }
    EXPECT_EQ(FileContent(target), "written by a library");
    EXPECT_EQ(NamesInFolder(folder.PathOf("")), std::set<std::string>{"book.xlsx"});
}

TEST(FileReplacementTest, AnAbandonedReplacementLeavesNothingAndTheTargetAsItWas) {
    ScratchFolder folder;
    const std::string target = folder.PathOf("book.xlsx");
    ScratchFolder::Write(target, {'o', 'l', 'd'});
    {
        FileReplacement replacement(target);
        ASSERT_TRUE(replacement.status().ok());
        std::ofstream(replacement.temporaryPath(), std::ios::binary) << "half a workbook";
    }
    EXPECT_EQ(FileContent(target), "old");
    EXPECT_EQ(NamesInFolder(folder.PathOf("")), std::set<std::string>{"book.xlsx"});

    FileReplacement nowhere(folder.PathOf("missing/book.xlsx"));
    EXPECT_FALSE(nowhere.status().ok());
    EXPECT_TRUE(nowhere.temporaryPath().empty());
    EXPECT_FALSE(nowhere.Commit().ok());
    EXPECT_EQ(NamesInFolder(folder.PathOf("")), std::set<std::string>{"book.xlsx"});
}

// Temporary files that killed writes left behind go at the next write to their folder, but
// only old ones of the writer's own naming: a young one may be another run's write.
TEST(SafeFileWriterTest, StaleTemporariesOfKilledWritesAreRemovedAtTheNextWrite) {
    ScratchFolder folder;
    const std::string stale = folder.PathOf(".tuning.qvms.k3x9a0qz.tmp");
    const std::string young = folder.PathOf(".tuning.qvms.b7c2m4pp.tmp");
    const std::string foreign = folder.PathOf(".notes.tmp");
    for (const auto& path : {stale, young, foreign}) {
        ScratchFolder::Write(path, {1});
    }
    const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(stale, hourAgo);
    fs::last_write_time(foreign, hourAgo);
    ASSERT_TRUE(WriteFileSafely(folder.PathOf("other.bin"), std::string_view("x")).ok());
    EXPECT_EQ(NamesInFolder(folder.PathOf("")),
              (std::set<std::string>{".tuning.qvms.b7c2m4pp.tmp", ".notes.tmp", "other.bin"}));
}

// A write past the process's file-size limit fails like a full disk instead of ending the
// program with SIGXFSZ.
TEST(SafeFileWriterTest, AWritePastTheFileSizeLimitFailsCleanly) {
    ScratchFolder folder;
    LetOversizedWritesFail();
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status written = WriteFileSafely(folder.PathOf("big.bin"), std::string(4096, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ASSERT_FALSE(written.ok());
    EXPECT_NE(written.message().In(UiLanguage::English).find("too large"), std::string::npos)
        << written.message().In(UiLanguage::English);
    EXPECT_TRUE(NamesInFolder(folder.PathOf("")).empty());
}

}  // namespace
}  // namespace corva
