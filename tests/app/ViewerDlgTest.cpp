#include "app/ViewerDlg.h"
#include "res/AppIcon.h"
#include "tests/app/RecordingViewer.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SkinFixture.h"
#include "tests/support/ZipWriter.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>

namespace {

// The main dialog with a recording viewer and scripted message boxes, open
// to the tests.
class OpenViewerDlg : public CViewerDlg {
public:
    OpenViewerDlg()
        : CViewerDlg(nullptr, [](QWidget* parent) { return std::make_unique<RecordingViewer>(parent); })
    {
        SetUserDialogs(std::make_unique<ScriptedDialogs>(std::deque<CUserDialogs::Answer> {}, &shown));
    }
    using CViewerDlg::m_bmpBackground;
    using CViewerDlg::m_nCurrentPage;
    using CViewerDlg::m_strImagePath;

    RecordingViewer& Recorder() { return static_cast<RecordingViewer&>(*m_viewer); }

    std::vector<ScriptedDialogs::Shown> shown;
};

// Runs a test from another current folder, as if skinview had been started
// there, and returns to the old one afterwards.
class StartFolder {
public:
    explicit StartFolder(const std::string& folder)
        : m_previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~StartFolder() { std::filesystem::current_path(m_previous); }

private:
    std::filesystem::path m_previous;
};

TEST(ViewerDlg, StartsOnTheBundledPackageAndLeavesNoWorkFolder)
{
    ASSERT_TRUE(std::filesystem::exists(QCoreApplication::applicationDirPath().toStdString() + "/Purple.skn"));
    SkinFixture elsewhere; // a start folder without packages, but with a folder of the user's
    elsewhere.WriteFile("Test/Skin.ini", "[Screen]\nMain=mine.bmp\n");
    StartFolder start(elsewhere.Folder());

    OpenViewerDlg dialog;
    dialog.OnInitDialog();

    EXPECT_TRUE(dialog.shown.empty());
    ASSERT_FALSE(dialog.m_bmpBackground.isNull());
    EXPECT_EQ(dialog.size(), dialog.m_bmpBackground.size());
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
    const QRect viewer = dialog.Recorder().Widget()->geometry();
    EXPECT_FALSE(viewer.isEmpty());
    EXPECT_TRUE(QRect(QPoint(0, 0), dialog.size()).contains(viewer));
    EXPECT_FALSE(dialog.Recorder().Widget()->isHidden());
    EXPECT_EQ(dialog.m_nCurrentPage, 1);
    EXPECT_TRUE(dialog.m_strImagePath.empty());
    EXPECT_TRUE(dialog.Recorder().calls.empty());

    // The skin was unpacked into a folder of our own, which is gone again.
    EXPECT_EQ(g_strSkinFolder.back(), '/');
    EXPECT_FALSE(std::filesystem::exists(g_strSkinFolder));
    EXPECT_EQ(std::filesystem::path(g_strSkinFolder).parent_path().parent_path(), std::filesystem::temp_directory_path());
    EXPECT_TRUE(std::filesystem::exists(elsewhere.Folder() + "Test/Skin.ini"));
}

TEST(ViewerDlg, APackageInTheStartFolderComesFirst)
{
    SkinFixture start;
    start.WriteBitmap("Back.bmp", SolidImage(300, 200, Qt::darkCyan, 8));
    start.WriteIni("[Screen]\nMain=Back.bmp\n[TRANSPARENT]\nCOLOR=0xFF00FF\n[CONTROL]\nCONTROL=30,40,130,90\n");
    start.WritePackage("Purple.skn");
    StartFolder chosen(start.Folder());

    OpenViewerDlg dialog;
    dialog.OnInitDialog();
    EXPECT_TRUE(dialog.shown.empty());
    EXPECT_EQ(dialog.size(), QSize(300, 200));
    EXPECT_EQ(dialog.mask(), QRegion(0, 0, 300, 200) - QRegion(0, 0, 8, 8));
    EXPECT_EQ(dialog.Recorder().Widget()->geometry(), QRect(30, 40, 100, 50));
}

TEST(ViewerDlg, WithoutViewerRectangleTheViewerFillsTheWindow)
{
    SkinFixture start;
    start.WriteBitmap("Back.bmp", SolidImage(220, 140, Qt::darkCyan));
    start.WriteIni("[Screen]\nMain=Back.bmp\n");
    start.WritePackage("Purple.skn");
    StartFolder chosen(start.Folder());

    OpenViewerDlg dialog;
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.Recorder().Widget()->geometry(), QRect(0, 0, 220, 140));
}

TEST(ViewerDlg, ADamagedPackageLoadsWhatCouldBeUnpacked)
{
    ZipWriter package;
    package.Add(ZipWriter::Entry::File("Skin.ini", "[Screen]\nMain=Back.bmp\n[ICON]\nICON=Icon.bmp,1,1,5,5\n"));
    package.Add(ZipWriter::Entry::File("Back.bmp", BitmapBytes(SolidImage(120, 90, Qt::darkCyan))));
    auto icon = ZipWriter::Entry::File("Icon.bmp", BitmapBytes(SolidImage(4, 4, Qt::red)));
    icon.crc = 0;
    package.Add(icon);
    SkinFixture start;
    ZipWriter::WriteFile(start.Folder() + "Purple.skn", package.Finish());
    StartFolder chosen(start.Folder());

    OpenViewerDlg dialog;
    dialog.OnInitDialog();
    ASSERT_EQ(dialog.shown.size(), 1u);
    EXPECT_EQ(dialog.shown[0].text, "Extract failed");
    EXPECT_EQ(dialog.size(), QSize(120, 90));
    EXPECT_FALSE(std::filesystem::exists(g_strSkinFolder));
}

TEST(ViewerDlg, APackageThatIsNoArchiveGivesAPlainWindowAfterTheQuestion)
{
    SkinFixture start;
    start.WriteFile("Purple.skn", "");
    StartFolder chosen(start.Folder());

    OpenViewerDlg dialog;
    dialog.SetUserDialogs(std::make_unique<ScriptedDialogs>(std::deque { CUserDialogs::Answer::No }, &dialog.shown));
    dialog.OnInitDialog();
    ASSERT_EQ(dialog.shown.size(), 2u);
    EXPECT_EQ(dialog.shown[1].text, "Open failed");
    EXPECT_FALSE(dialog.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(dialog.Recorder().Widget()->geometry(), dialog.rect());
}

TEST(ViewerDlg, CarriesTheApplicationIconInAllItsSizes)
{
    OpenViewerDlg dialog;
    dialog.OnInitDialog();
    const QList<QSize> sizes = dialog.windowIcon().availableSizes();
    for (int size : kAppIconSizes)
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    for (int size : kAppIconSizes) {
        const QImage image = DrawAppIcon(size);
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "corner of the " << size << " px icon is not transparent";
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }
}

} // namespace
