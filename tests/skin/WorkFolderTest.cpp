#include "skin/WorkFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

TEST(WorkFolders, CreatesFreshPrivateFoldersUnderTheTemporaryFolder)
{
    CWorkFolders folders;
    const std::string first = folders.Create();
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(fs::is_directory(first));
    EXPECT_EQ(fs::path(first).parent_path(), fs::temp_directory_path());
    struct stat info {};
    ASSERT_EQ(stat(first.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(fs::is_empty(first));

    // A new folder replaces the last one, which goes.
    const std::string second = folders.Create();
    EXPECT_NE(second, first);
    EXPECT_FALSE(fs::exists(first));
    EXPECT_TRUE(fs::is_directory(second));
}

TEST(WorkFolders, RemovesEverythingInItsOwnFolder)
{
    CWorkFolders folders;
    const fs::path folder = folders.Create();
    Write(folder / "Skin.ini", "[Screen]\n");
    Write(folder / "Buttons/Big/Play.bmp", "x");
    Write(folder / "locked/readonly.bmp", "x");
    fs::permissions(folder / "locked/readonly.bmp", fs::perms::owner_read, fs::perm_options::replace);
    fs::permissions(folder / "locked", fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);

    folders.Remove(folder.string());
    EXPECT_FALSE(fs::exists(folder));
}

TEST(WorkFolders, LeavesEveryOtherFolderAlone)
{
    const fs::path mine = fs::path(testing::TempDir()) / "Test";
    Write(mine / "photo.jpg", "precious");
    CWorkFolders folders;
    folders.Remove(mine.string());
    folders.Remove("Test");
    folders.Remove("");
    const std::string created = folders.Create();
    folders.Remove(mine.string());
    EXPECT_TRUE(fs::exists(mine / "photo.jpg"));
    EXPECT_TRUE(fs::exists(created));
    fs::remove_all(mine);
}

TEST(WorkFolders, NeverFollowsALinkOutOfTheFolder)
{
    const fs::path outside = fs::path(testing::TempDir()) / "outside-work-folder";
    Write(outside / "keep.txt", "keep");
    CWorkFolders folders;
    const fs::path folder = folders.Create();
    fs::create_directory_symlink(outside, folder / "link");
    fs::create_symlink(outside / "keep.txt", folder / "file-link");
    folders.Remove(folder.string());
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(fs::exists(outside / "keep.txt"));
    fs::remove_all(outside);
}

TEST(WorkFolders, TheLastFolderGoesWithTheOwner)
{
    std::string created;
    {
        CWorkFolders folders;
        created = folders.Create();
        Write(fs::path(created) / "a.bmp", "x");
    }
    EXPECT_FALSE(fs::exists(created));
}

} // namespace
