#include "viewer/FileStamp.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

TEST(FileStamp, ChangesWhenTheFileIsReplacedOrRewritten)
{
    const auto folder = std::filesystem::temp_directory_path() / ("filestamp-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto path = (folder / "a.bin").string();
    std::ofstream(path) << "one";
    const FileStamp first = FileStamp::Of(path);
    EXPECT_EQ(FileStamp::Of(path), first);

    // Replaced by a rename, as an atomic save does: same size, other inode.
    const auto temporary = (folder / "b.bin").string();
    std::ofstream(temporary) << "two";
    std::filesystem::rename(temporary, path);
    const FileStamp renamed = FileStamp::Of(path);
    EXPECT_NE(renamed, first);

    // Rewritten in place with another length.
    std::ofstream(path, std::ios::app) << "more";
    EXPECT_NE(FileStamp::Of(path), renamed);

    EXPECT_EQ(FileStamp::Of((folder / "missing").string()).size, -1);
    std::filesystem::remove_all(folder);
}

} // namespace
