#include "core/FileIO.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace kor {
namespace {

namespace fs = std::filesystem;

class FileIO : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("kor_fileio_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
    fs::path folder;
};

TEST_F(FileIO, WritesLinesWithCrLfAndReadsThemBack) {
    const std::string path = (folder / "a.txt").string();
    write_lines_atomic(path, {"one", "", "three"});
    EXPECT_EQ(read_file(path, 1000), "one\r\n\r\nthree\r\n");
}

TEST_F(FileIO, ReplacesAnOldFileAndLeavesNoTemporaryFile) {
    const std::string path = (folder / "a.txt").string();
    write_lines_atomic(path, {"old"});
    write_lines_atomic(path, {"new"});
    EXPECT_EQ(read_file(path, 1000), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(FileIO, AFailedWriteThrowsTheSystemMessageAndKeepsNothingHalfWritten) {
    const std::string missing = (folder / "no_such_folder" / "a.txt").string();
    try {
        write_lines_atomic(missing, {"x"});
        FAIL() << "no exception";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("No such file or directory"), std::string::npos) << error.what();
    }

    if (::geteuid() != 0) {  // root may write into a read-only folder
        const std::string path = (folder / "kept.txt").string();
        write_lines_atomic(path, {"kept"});
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_THROW(write_lines_atomic(path, {"lost"}), FileError);
        fs::permissions(folder, fs::perms::owner_all);
        EXPECT_EQ(read_file(path, 1000), "kept\r\n");
    }
}

TEST_F(FileIO, ReadRefusesMissingFilesFoldersAndOversizedFiles) {
    EXPECT_THROW(read_file((folder / "none").string(), 1000), FileError);
    EXPECT_THROW(read_file(folder.string(), 1000), FileError);
    const std::string big = (folder / "big.txt").string();
    std::ofstream(big, std::ios::binary) << std::string(2000, 'x');
    EXPECT_THROW(read_file(big, 1000), FileError);
    EXPECT_EQ(read_file(big, 2000).size(), 2000u);
}

TEST(FileNames, NameAndExtensionOfAPath) {
    EXPECT_EQ(file_name_of("/home/t/quiz.kor"), "quiz.kor");
    EXPECT_EQ(file_name_of("quiz.kor"), "quiz.kor");
    EXPECT_EQ(strip_extension("/home/t/quiz.kor"), "/home/t/quiz");
    EXPECT_EQ(strip_extension("/home/t.v2/quiz"), "/home/t.v2/quiz");
    EXPECT_EQ(strip_extension("quiz.v2.kor"), "quiz.v2");
}

}  // namespace
}  // namespace kor
