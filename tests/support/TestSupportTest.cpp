// The helpers every test stands on: a fault here would let other tests pass
// for the wrong reason or trip over each other.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "support/TempFolder.h"
#include "support/Unprivileged.h"

namespace kor {
namespace {

namespace fs = std::filesystem;

TEST(TempFolder, EachIsNewEmptyAndNamedAfterItsTest) {
    const testing::TempFolder one;
    const testing::TempFolder two;
    EXPECT_NE(one.path(), two.path());
    EXPECT_TRUE(fs::is_empty(one.path()));
    EXPECT_NE(one.path().filename().string().find("TempFolder.EachIsNewEmptyAndNamedAfterItsTest_"),
              std::string::npos)
        << one.path();
    EXPECT_EQ(one.write("a.txt", std::string("x\0y\r\n", 5)), (one.path() / "a.txt").string());
    EXPECT_EQ(fs::file_size(one / "a.txt"), 5u);
}

TEST(TempFolder, GoesWithEverythingInItEvenReadOnlyFolders) {
    fs::path kept;
    {
        const testing::TempFolder folder;
        kept = folder.path();
        fs::create_directories(folder / "a" / "b");
        folder.write("a/b/file.txt", "x");
        fs::permissions(folder / "a" / "b", fs::perms::owner_read | fs::perms::owner_exec);
        fs::permissions(folder / "a", fs::perms::owner_read | fs::perms::owner_exec);
    }
    EXPECT_FALSE(fs::exists(kept));
}

TEST(UnprivilegedUser, TheStepRunsAsAnOrdinaryUserAndReportsWhatHappened) {
    EXPECT_EQ(testing::as_unprivileged_user([] { return std::to_string(::geteuid() != 0); }), "1");
    EXPECT_EQ(
        testing::as_unprivileged_user([]() -> std::string { throw std::runtime_error("no"); }),
        "exception: no");
    const testing::TempFolder folder;
    testing::give_to_unprivileged_user(folder.path());
    EXPECT_EQ(testing::as_unprivileged_user([&] { return testing::folder_access(folder.path()); }),
              "may write in " + folder.path().string());
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(testing::as_unprivileged_user([&] { return testing::folder_access(folder.path()); }),
              "read-only");
}

}  // namespace
}  // namespace kor
