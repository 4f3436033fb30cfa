#include "zip/ExtractDestination.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct Row {
    const char* folder;
    std::string name;
    bool keepPath;
    std::optional<std::string> destination;
};

const Row kRows[] = {
    { "Test", "Skins/Blue/Back.bmp", true, "Test/Skins/Blue/Back.bmp" },
    { "Test///", "a", true, "Test/a" },
    { "/", "a", true, "/a" },
    { "", "a/b", true, "a/b" },
    { "Test", "C:/x/y.bmp", true, "Test/x/y.bmp" },
    { "Test", "//x", true, "Test/x" },
    { "Test", "a/./b//c", true, "Test/a/b/c" },
    { "Test", "a/../b", true, "Test/b" },
    { "Test", "dir/", true, "Test/dir/" },
    { "Test", "../b", true, std::nullopt },
    { "Test", "a/../../b", true, std::nullopt },
    { "Test", "C:../b", true, std::nullopt },
    { "Test", "/../b", true, std::nullopt },
    { "Test", std::string("a\0/../../b", 10), true, std::nullopt },
    { "Test", "Skins/Blue/Back.bmp", false, "Test/Back.bmp" },
    { "Test", "C:/Back.bmp", false, "Test/Back.bmp" },
    { "Test", "Skins/..", false, std::nullopt },
};

TEST(ExtractDestination, KeepsEntriesInsideTheFolder)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.folder) + " + " + row.name + (row.keepPath ? "" : " (base name)"));
        EXPECT_EQ(ExtractDestination(row.folder, row.name, row.keepPath), row.destination);
    }
}

} // namespace
