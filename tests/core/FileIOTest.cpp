#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "core/FileIO.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

namespace kor {
namespace {

namespace fs = std::filesystem;

class FileIO : public ::testing::Test {
  protected:
    testing::TempFolder folder;
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
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(FileIO, AFailedWriteThrowsTheSystemMessageAndKeepsNothingHalfWritten) {
    const std::string missing = (folder / "no_such_folder" / "a.txt").string();
    try {
        write_lines_atomic(missing, {"x"});
        FAIL() << "no exception";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("No such file or directory"), std::string::npos)
            << error.what();
    }

    const std::string path = (folder / "kept.txt").string();
    write_lines_atomic(path, {"kept"});
    testing::give_to_unprivileged_user(folder.path());
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const std::string refused = testing::as_unprivileged_user([&] {
        const std::string access = testing::folder_access(folder.path());
        if (access != "read-only") {
            return access;
        }
        try {
            write_lines_atomic(path, {"lost"});
            return std::string("written");
        } catch (const FileError&) {
            return std::string("FileError");
        }
    });
    EXPECT_EQ(refused, "FileError");
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(read_file(path, 1000), "kept\r\n");
}

// A text written as it is produced arrives whole; a producer that fails
// half-way leaves the old file as it was and no temporary file beside it.
TEST_F(FileIO, AStreamedTextIsWrittenWholeOrNotAtAll) {
    const std::string path = (folder / "stream.txt").string();
    const std::string block(100000, 'x');
    write_atomic(path, [&](TextSink& sink) {
        for (int k = 0; k < 3; ++k) {
            sink.write(block);
        }
        sink.write("end");
    });
    EXPECT_EQ(read_file(path, 1u << 20), block + block + block + "end");

    EXPECT_THROW(write_atomic(path,
                              [&](TextSink& sink) {
                                  sink.write("half");
                                  throw FileError("the producer failed");
                              }),
                 FileError);
    EXPECT_EQ(read_file(path, 1u << 20), block + block + block + "end");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(FileIO, ReadRefusesMissingFilesFoldersAndOversizedFiles) {
    EXPECT_THROW(read_file((folder / "none").string(), 1000), FileError);
    EXPECT_THROW(read_file(folder.path().string(), 1000), FileError);
    const std::string big = (folder / "big.txt").string();
    std::ofstream(big, std::ios::binary) << std::string(2000, 'x');
    EXPECT_THROW(read_file(big, 1000), FileError);
    EXPECT_EQ(read_file(big, 2000).size(), 2000u);
}

TEST_F(FileIO, ANewFileKeepsThePermissionsOfTheOneItReplaces) {
    const std::string path = (folder / "private.txt").string();
    write_lines_atomic(path, {"old"});
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    write_lines_atomic(path, {"new"});
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(FileIO, ACharacterDeviceIsWrittenIntoAndStaysADevice) {
    // A device node of the kind that discards what it is given, made here.
    const fs::path device = folder / "sink";
    if (::mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "making a device node is not permitted here";
    }
    write_lines_atomic(device.string(), {"results"});
    EXPECT_TRUE(fs::is_character_file(device));
    // A link to it is written into too and stays a link.
    fs::create_symlink(device, folder / "link");
    write_lines_atomic((folder / "link").string(), {"results"});
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "link")));
    EXPECT_TRUE(fs::is_character_file(device));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
}

TEST_F(FileIO, APipeIsWrittenIntoAndStaysAPipe) {
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] {
        std::ifstream in(pipe, std::ios::binary);
        received.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    });
    write_lines_atomic(pipe.string(), {"a", "b"});
    reader.join();
    EXPECT_EQ(received, "a\r\nb\r\n");
    EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST_F(FileIO, ALinkToAFileKeepsPointingToTheReplacedFile) {
    const fs::path real = folder / "real.txt";
    write_lines_atomic(real.string(), {"old"});
    fs::create_symlink("real.txt", folder / "link.txt");
    write_lines_atomic((folder / "link.txt").string(), {"new"});
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "link.txt")));
    EXPECT_EQ(read_file(real.string(), 100), "new\r\n");

    // A link to a file not yet there creates that file.
    fs::create_symlink("later.txt", folder / "dangling.txt");
    write_lines_atomic((folder / "dangling.txt").string(), {"x"});
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "dangling.txt")));
    EXPECT_EQ(read_file((folder / "later.txt").string(), 100), "x\r\n");
}

TEST_F(FileIO, AFolderIsRefusedWithTheSystemMessageAndLeftAlone) {
    fs::create_directory(folder / "results");
    try {
        write_lines_atomic((folder / "results").string(), {"x"});
        FAIL() << "no exception";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot write \"" + (folder / "results").string() + "\": Is a directory");
    }
    EXPECT_TRUE(fs::is_directory(folder / "results"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(FileIO, SameFileSeesThroughSpellingsAndLinks) {
    const fs::path quiz = folder / "quiz.kor";
    write_lines_atomic(quiz.string(), {"data"});
    fs::create_directory(folder / "sub");
    fs::create_symlink(quiz, folder / "alias.kor");
    fs::create_hard_link(quiz, folder / "hard.kor");
    const std::string q = quiz.string();
    EXPECT_TRUE(same_file(q, (folder / "sub" / ".." / "quiz.kor").string()));
    EXPECT_TRUE(same_file(q, (folder / "." / "quiz.kor").string()));
    EXPECT_TRUE(same_file(q, (folder / "alias.kor").string()));
    EXPECT_TRUE(same_file(q, (folder / "hard.kor").string()));
    EXPECT_FALSE(same_file(q, (folder / "quiz.txt").string()));
    // Names not yet written are compared by where they lead.
    const std::string later = (folder / "later.txt").string();
    EXPECT_TRUE(same_file(later, (folder / "sub" / ".." / "later.txt").string()));
    EXPECT_FALSE(same_file(later, (folder / "sub" / "later.txt").string()));
    fs::create_symlink(folder / "sub", folder / "linked_sub");
    EXPECT_TRUE(same_file((folder / "sub" / "new.txt").string(),
                          (folder / "linked_sub" / "new.txt").string()));
}

TEST_F(FileIO, TargetsThatClashAreRefusedNamingBothPaths) {
    const std::string source = (folder / "quiz.kor").string();
    write_lines_atomic(source, {"data"});
    const std::string dotted = (folder / "." / "quiz.kor").string();
    const std::string results = (folder / "quiz.txt").string();
    EXPECT_EQ(write_targets_refusal({results, dotted}, source),
              "Nothing was written: \"" + dotted + "\" is the file the data were read from, \"" +
                  source + "\".");
    fs::create_directory(folder / "sub");
    const std::string other = (folder / "sub" / ".." / "quiz.txt").string();
    EXPECT_EQ(write_targets_refusal({results, (folder / "q.exm").string(), other}, source),
              "Nothing was written: \"" + results + "\" and \"" + other + "\" name the same file.");
    EXPECT_EQ(write_targets_refusal({results, (folder / "quiz.exm").string()}, source),
              std::nullopt);
    EXPECT_EQ(write_targets_refusal({source}, ""), std::nullopt);

    fs::create_directory(folder / "out");
    EXPECT_EQ(
        write_targets_refusal({results, (folder / "out").string()}, source),
        "Nothing was written: cannot write \"" + (folder / "out").string() + "\": Is a directory");

    // A pipe is written into, never replaced: naming it twice loses nothing.
    const fs::path pipe = folder / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(write_targets_refusal({pipe.string(), pipe.string()}, pipe.string()), std::nullopt);
}

TEST_F(FileIO, FileHoldsComparesTheWholeContents) {
    const std::string path = (folder / "quiz.kor").string();
    write_lines_atomic(path, {"a", "b"});
    EXPECT_TRUE(file_holds(path, crlf_text({"a", "b"})));
    EXPECT_FALSE(file_holds(path, crlf_text({"a", "c"})));
    EXPECT_FALSE(file_holds(path, crlf_text({"a", "b", ""})));
    EXPECT_FALSE(file_holds((folder / "none.kor").string(), ""));
    EXPECT_FALSE(file_holds(folder.path().string(), ""));
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
