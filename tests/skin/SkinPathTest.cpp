#include "skin/SkinPath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A scratch folder with a few files, made fresh for each test.
class SkinFolder : public testing::Test {
protected:
    void SetUp() override
    {
        m_root = fs::path(testing::TempDir()) / ("skinpath-" + std::to_string(::getpid()));
        fs::remove_all(m_root);
        fs::create_directories(m_root / "Buttons" / "Big");
        Touch("Back.bmp");
        Touch("Buttons/Big/Play.BMP");
    }
    void TearDown() override { fs::remove_all(m_root); }

    void Touch(const std::string& relative) { std::ofstream(m_root / relative) << "x"; }
    std::string Folder() const { return m_root.string() + "/"; }

    fs::path m_root;
};

TEST(GetPathFolder, AbsoluteFolderWithOneTrailingSlash)
{
    const std::string cwd = fs::current_path().string();
    EXPECT_EQ(GetPathFolder("Test/Skin.ini"), cwd + "/Test/");
    EXPECT_EQ(GetPathFolder("Skin.ini"), cwd + "/");
    EXPECT_EQ(GetPathFolder("Test/"), cwd + "/Test/");
    EXPECT_EQ(GetPathFolder("./Test/../Skins/Skin.ini"), cwd + "/Skins/");
    EXPECT_EQ(GetPathFolder("/skins/Purple/Skin.ini"), "/skins/Purple/");
    EXPECT_EQ(GetPathFolder("/Skin.ini"), "/");
}

TEST(GetPathFolder, FolderNamedLikeTheFileKeepsItsName)
{
    // Only the last component is the file name, wherever else its text occurs.
    EXPECT_EQ(GetPathFolder("/data/a.ini/x/a.ini"), "/data/a.ini/x/");
    EXPECT_EQ(GetPathFolder("/srv/skin/s"), "/srv/skin/");
}

TEST_F(SkinFolder, ExactNameIsTakenAsWritten)
{
    EXPECT_EQ(ResolveSkinFile(Folder(), "Back.bmp"), Folder() + "Back.bmp");
}

TEST_F(SkinFolder, WindowsNamesFindTheirFiles)
{
    const std::string play = (m_root / "Buttons/Big/Play.BMP").string();
    EXPECT_EQ(ResolveSkinFile(Folder(), "Buttons\\Big\\Play.BMP"), play);
    EXPECT_EQ(ResolveSkinFile(Folder(), "buttons\\BIG\\play.bmp"), play);
    EXPECT_EQ(ResolveSkinFile(Folder(), "BACK.bmp"), (m_root / "Back.bmp").string());
}

TEST_F(SkinFolder, MissingFileIsGivenAsWritten)
{
    EXPECT_EQ(ResolveSkinFile(Folder(), "Buttons\\Small\\Play.bmp"), Folder() + "Buttons/Small/Play.bmp");
    EXPECT_EQ(ResolveSkinFile(Folder(), "none.bmp"), Folder() + "none.bmp");
    // An empty field names the folder itself, which no bitmap load accepts.
    EXPECT_EQ(ResolveSkinFile(Folder(), ""), Folder());
}

} // namespace
