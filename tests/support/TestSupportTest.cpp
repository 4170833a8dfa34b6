// The helpers every test stands on: a fault here would let other tests pass
// for the wrong reason or trip over each other.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempFolder.h"

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

}  // namespace
}  // namespace kor
