#include "environment/included_files.h"

#include <gtest/gtest.h>

#include "environment/temp_dir_names.h"
#include "launcher/message_table.h"
#include "tests/unit/fake_platform.h"

namespace {

TEST(IncludedFileNames, OnlyNamesBelowTheDirectoryAreSafe) {
    for (const char* safe : {"a.dll", "lib/x.dll", ".config", "a..b", "console.txt", "com10"})
        EXPECT_TRUE(isSafeIncludedName(safe)) << safe;
    for (const char* unsafe : {"", "..", ". .", "../x", "lib\\..", "c:x", "\\x", "\\\\server\\share\\x", "a/b\\c",
                               "lib\\\\x", "lib\\", "lib\\.\\x", "nul.txt", "lib\\COM1.dll", "aux .x", "a\tb", "a*b", "a\"b"})
        EXPECT_FALSE(isSafeIncludedName(unsafe)) << unsafe;
    EXPECT_EQ(includedFileDirectory("lib\\x.dll"), "lib");
    EXPECT_EQ(includedFileDirectory("x.dll"), std::nullopt);
}

// Records what extraction creates; files and directories in the order made.
class RecordingTarget : public ExtractionTarget {
public:
    struct Sink : MemoryByteSink {
        Sink(RecordingTarget& target, std::string path) : target_(target), path_(std::move(path)) {}
        ~Sink() override { target_.files.emplace_back(path_, bytes()); }
        RecordingTarget& target_;
        std::string path_;
    };

    bool createDirectory(const std::string& path) override {
        directories.push_back(path);
        return directoriesSucceed;
    }
    std::unique_ptr<ByteSink> createFile(const std::string& path) override {
        created.push_back(path);
        if (failingFile == path) return nullptr;
        return std::make_unique<Sink>(*this, path);
    }

    std::vector<std::string> directories, created;
    std::vector<std::pair<std::string, std::string>> files;
    bool directoriesSucceed = true;
    std::string failingFile;
};

std::string record(const std::string& content, int64_t size) {
    std::string bytes;
    for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<char>(static_cast<uint64_t>(size) >> (8 * i)));
    for (char c : content) bytes.push_back(static_cast<char>(c ^ 0xA7));
    return bytes;
}
std::string record(const std::string& content) { return record(content, static_cast<int64_t>(content.size())); }

class Extraction : public ::testing::Test {
protected:
    void SetUp() override { messageTable().set(1009, u"Internal error {0}"); }
    RecordingTarget target;
};

TEST_F(Extraction, RecordsBecomeFilesAndEachSubdirectoryIsMadeOnceFirst) {
    std::string stream = record("first") + record("") + record(std::string("dll\x00\xFF", 5)) + record("y") +
                         record("x", -1) + "tail";
    MemoryByteSource source(stream);
    std::vector<std::string> names = {"a.txt", "empty", "lib\\x.dll", "LIB/y.dll", "negative"};
    EXPECT_EQ(extractIncludedFilesFrom(source, "T:\\d", names, target), 0);
    // "/" separates like "\"; a second "lib" in another case is the same directory.
    EXPECT_EQ(target.directories, std::vector<std::string>{"T:\\d\\lib"});
    // Sizes 0 and below create nothing and have no content.
    EXPECT_EQ(target.created, (std::vector<std::string>{"T:\\d\\a.txt", "T:\\d\\lib\\x.dll", "T:\\d\\LIB\\y.dll"}));
    ASSERT_EQ(target.files.size(), 3u);
    EXPECT_EQ(target.files[1].second, std::string("dll\x00\xFF", 5));
    EXPECT_EQ(source.position(), stream.size() - 5);  // "x" of the negative record is data after the records
}

// Unsafe names are refused before anything is created: the Windows tests
// show it on a real directory.
TEST_F(Extraction, WhatCannotBeCreatedIsInternalError11AndACutContentAReadError) {
    MemoryByteSource one(record("x"));
    EXPECT_EQ(exitCodeOf([&] { extractIncludedFilesFrom(one, "", {"x"}, target); }), 1);  // no directory
    EXPECT_TRUE(target.created.empty());
    target.failingFile = "T:\\d\\b";
    MemoryByteSource two(record("a") + record("b"));
    EXPECT_EQ(exitCodeOf([&] { extractIncludedFilesFrom(two, "T:\\d", {"a", "b"}, target); }), 1);
    // A subdirectory that cannot be made (it may exist, made by someone else) is not written into.
    RecordingTarget taken;
    taken.directoriesSucceed = false;
    MemoryByteSource sub(record("x"));
    EXPECT_EQ(exitCodeOf([&] { extractIncludedFilesFrom(sub, "T:\\d", {"lib\\x"}, taken); }), 1);
    EXPECT_TRUE(taken.created.empty());
    EXPECT_EQ(fakePlatform().shownErrors, std::vector<std::u16string>(3, u"Internal error 11"));

    RecordingTarget fresh;
    MemoryByteSource cut(record("complete") + record("cut short").substr(0, 12));
    EXPECT_EQ(extractIncludedFilesFrom(cut, "T:\\d", {"a", "b"}, fresh), 1);
    EXPECT_EQ(fakePlatform().logLines.back(), u"ERROR: Failed to extract T:\\d\\b");
    EXPECT_EQ(fresh.files.size(), 2u);  // the cut file was created and closed
    EXPECT_EQ(fakePlatform().shownErrors.size(), 3u);
}

TEST(TempDirNames, FormatsOfTheGeneratedNames) {
    EXPECT_EQ(launcherTempDirName("x", 0x1FFFFFFFFLL), "x_dir-1");  // the low 32 bits, as a signed number
    EXPECT_EQ(fallbackTempFileName("C:\\T", 99), "C:\\T\\tsl99");
    EXPECT_EQ(fallbackTempFileName("C:/T/", 99), "C:/T/tsl99");
}

std::vector<std::string> paths(const std::vector<TempDirCandidate<std::string>>& candidates) {
    std::vector<std::string> result;
    for (const auto& candidate : candidates)
        result.push_back(candidate.path + (candidate.checkLongName ? "" : " (any name)"));
    return result;
}

// Directories that other users share never hold the launcher's files.
TEST(TempDirNames, OnlyTheUsersOwnDirectoriesAreCandidates) {
    EXPECT_EQ(paths(tempDirCandidates<std::string>("C:\\T", "C:\\Users\\u", "H:", "\\home")),
              (std::vector<std::string>{"C:\\T", "C:\\Users\\u\\AppData\\Local\\Temp", "H:\\home", "C:\\T (any name)",
                                        "C:\\Users\\u\\AppData\\Local\\Temp (any name)", "H:\\home (any name)"}));
    EXPECT_TRUE(tempDirCandidates<std::string>(std::nullopt, std::nullopt, "H:", std::nullopt).empty());
}

}  // namespace
