#include "tests/skin/TestDialog.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SkinFixture.h"
#include "tests/support/ZipWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

using Answer = CUserDialogs::Answer;
using Buttons = CUserDialogs::Buttons;
using Icon = CUserDialogs::Icon;

const std::string kRetry = "The central directory was not found. If you're opening a multi-disk archive, make sure "
                           "you have inserted the last disk. Retry?";

// A dialog whose questions a script answers, and a fresh folder to unpack into.
class PackageTest : public testing::Test {
protected:
    void Answer(std::deque<CUserDialogs::Answer> answers)
    {
        m_dialog.SetUserDialogs(std::make_unique<ScriptedDialogs>(std::move(answers), &m_shown));
    }
    void SetUp() override
    {
        Answer({});
        m_folder = m_dialog.NewWorkFolder();
        ASSERT_FALSE(m_folder.empty());
    }

    std::vector<std::string> ShownTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : m_shown)
            texts.push_back(shown.text);
        return texts;
    }
    std::string Unpacked(const std::string& name) const
    {
        std::ifstream in(m_folder + "/" + name, std::ios::binary);
        return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
    }

    SkinFixture m_files;
    TestDialog m_dialog;
    std::string m_folder;
    std::vector<ScriptedDialogs::Shown> m_shown;
};

TEST_F(PackageTest, AGoodPackageUnpacksSilently)
{
    ZipWriter package;
    package.Add(ZipWriter::Entry::File("Skin.ini", "[Screen]\nMain=Back.bmp\n"));
    package.Add(ZipWriter::Entry::File("Art/Back.bmp", "pixels", 0));
    ZipWriter::WriteFile(m_files.Folder() + "Good.skn", package.Finish());

    m_dialog.ExtractPackage(m_files.Folder() + "Good.skn", m_folder);
    EXPECT_TRUE(m_shown.empty());
    EXPECT_EQ(Unpacked("Skin.ini"), "[Screen]\nMain=Back.bmp\n");
    EXPECT_EQ(Unpacked("Art/Back.bmp"), "pixels");
}

TEST_F(PackageTest, AMissingPackageCannotBeOpenedAndIsNotRetried)
{
    m_dialog.ExtractPackage(m_files.Folder() + "Nowhere.skn", m_folder);
    ASSERT_EQ(m_shown.size(), 1u);
    EXPECT_EQ(m_shown[0].text, "Open failed");
    EXPECT_EQ(m_shown[0].buttons, Buttons::Ok);
    EXPECT_EQ(m_shown[0].icon, Icon::Stop);
    EXPECT_TRUE(fs::is_empty(m_folder));
}

TEST_F(PackageTest, AFileWithoutEndRecordAsksToRetryUntilNo)
{
    for (const std::string& content : { std::string(), std::string(100, 'x'), std::string("PK\x03\x04 not really") }) {
        m_shown.clear();
        m_files.WriteFile("Broken.skn", content);
        Answer({ Answer::Yes, Answer::Yes, Answer::No });
        m_dialog.ExtractPackage(m_files.Folder() + "Broken.skn", m_folder);
        EXPECT_EQ(ShownTexts(), (std::vector<std::string> { kRetry, kRetry, kRetry, "Open failed" }));
        EXPECT_EQ(m_shown[0].buttons, Buttons::YesNo);
        EXPECT_EQ(m_shown[0].icon, Icon::Stop);
    }
}

TEST_F(PackageTest, ARetryCanSucceedOnceTheArchiveIsThere)
{
    // The user puts the right file in place before answering Yes.
    const std::string path = m_files.Folder() + "Late.skn";
    m_files.WriteFile("Late.skn", "");
    class FixingDialogs : public CUserDialogs {
    public:
        explicit FixingDialogs(std::string archive)
            : m_archive(std::move(archive))
        {
        }
        CUserDialogs::Answer MessageBox(std::string_view, Buttons, Icon) override
        {
            ZipWriter package;
            package.Add(ZipWriter::Entry::File("Skin.ini", "[Screen]\n"));
            ZipWriter::WriteFile(m_archive, package.Finish());
            ++asked;
            return CUserDialogs::Answer::Yes;
        }
        int asked = 0;

    private:
        std::string m_archive;
    };
    auto dialogs = std::make_unique<FixingDialogs>(path);
    FixingDialogs* asked = dialogs.get();
    m_dialog.SetUserDialogs(std::move(dialogs));
    m_dialog.ExtractPackage(path, m_folder);
    EXPECT_EQ(asked->asked, 1);
    EXPECT_EQ(Unpacked("Skin.ini"), "[Screen]\n");
}

TEST_F(PackageTest, ADamagedEntryStopsTheExtractionAndKeepsWhatCameBefore)
{
    ZipWriter package;
    package.Add(ZipWriter::Entry::File("Skin.ini", "[Screen]\n"));
    auto damaged = ZipWriter::Entry::File("Back.bmp", "damaged pixels", 0);
    damaged.crc = 0x12345678;
    package.Add(damaged);
    package.Add(ZipWriter::Entry::File("Icon.bmp", "icon"));
    ZipWriter::WriteFile(m_files.Folder() + "Damaged.skn", package.Finish());

    m_dialog.ExtractPackage(m_files.Folder() + "Damaged.skn", m_folder);
    EXPECT_EQ(ShownTexts(), (std::vector<std::string> { "Extract failed" }));
    EXPECT_EQ(m_shown[0].icon, Icon::Stop);
    EXPECT_EQ(Unpacked("Skin.ini"), "[Screen]\n");
    EXPECT_EQ(Unpacked("Back.bmp"), "damaged pixels"); // a failed check keeps the data
    EXPECT_EQ(Unpacked("Icon.bmp"), "<missing>");

    // The reader is ready for the next package.
    m_shown.clear();
    ZipWriter good;
    good.Add(ZipWriter::Entry::File("Icon.bmp", "icon"));
    ZipWriter::WriteFile(m_files.Folder() + "Good.skn", good.Finish());
    m_dialog.ExtractPackage(m_files.Folder() + "Good.skn", m_folder);
    EXPECT_TRUE(m_shown.empty());
    EXPECT_EQ(Unpacked("Icon.bmp"), "icon");
}

TEST_F(PackageTest, EntriesThatCannotBeUnpackedAreSkippedQuietly)
{
    // An encrypted entry and one that climbs out of the folder are not
    // written; the entries after them are.
    ZipWriter package;
    auto secret = ZipWriter::Entry::File("secret.bmp", "x", 0);
    secret.flags = 1;
    package.Add(secret);
    package.Add(ZipWriter::Entry::File("../escape.bmp", "out"));
    package.Add(ZipWriter::Entry::File("Skin.ini", "[Screen]\n"));
    ZipWriter::WriteFile(m_files.Folder() + "Odd.skn", package.Finish());

    m_dialog.ExtractPackage(m_files.Folder() + "Odd.skn", m_folder);
    EXPECT_TRUE(m_shown.empty());
    EXPECT_EQ(Unpacked("secret.bmp"), "<missing>");
    EXPECT_FALSE(fs::exists(fs::path(m_folder).parent_path() / "escape.bmp"));
    EXPECT_EQ(Unpacked("Skin.ini"), "[Screen]\n");
}

TEST_F(PackageTest, WithoutAWorkFolderNothingIsUnpacked)
{
    ZipWriter package;
    package.Add(ZipWriter::Entry::File("Skin.ini", "[Screen]\n"));
    ZipWriter::WriteFile(m_files.Folder() + "Good.skn", package.Finish());
    m_dialog.ExtractPackage(m_files.Folder() + "Good.skn", "");
    EXPECT_EQ(ShownTexts(), (std::vector<std::string> { "Extract failed" }));
}

TEST_F(PackageTest, RemoveFolderTakesOnlyTheWorkFolder)
{
    ZipWriter package;
    auto locked = ZipWriter::Entry::File("Locked/ro.bmp", "x");
    locked.externalAttributes = 0x01; // read-only
    package.Add(locked);
    auto folder = ZipWriter::Entry::Folder("Sealed/");
    folder.versionMadeBy = 3 << 8;
    folder.externalAttributes = (040500u << 16) | 0x10; // a folder without write permission
    package.Add(folder);
    package.Add(ZipWriter::Entry::File("Sealed/inside.bmp", "x"));
    ZipWriter::WriteFile(m_files.Folder() + "Locked.skn", package.Finish());
    m_dialog.ExtractPackage(m_files.Folder() + "Locked.skn", m_folder);
    ASSERT_TRUE(m_shown.empty());

    m_files.WriteFile("Test/keep.txt", "mine");
    m_dialog.RemoveFolder(m_files.Folder() + "Test");
    m_dialog.RemoveFolder("Test");
    EXPECT_TRUE(fs::exists(m_files.Folder() + "Test/keep.txt"));

    m_dialog.RemoveFolder(m_folder);
    EXPECT_FALSE(fs::exists(m_folder));
}

} // namespace
