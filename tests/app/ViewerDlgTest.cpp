#include "app/ViewerDlg.h"
#include "res/AppIcon.h"
#include "skin/IniFile.h"
#include "skin/SkinFields.h"
#include "skin/SkinPath.h"
#include "tests/app/RecordingViewer.h"
#include "tests/support/SkinFixture.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>

namespace {

// The main dialog with a recording viewer, open to the tests.
class OpenViewerDlg : public CViewerDlg {
public:
    OpenViewerDlg()
        : CViewerDlg(nullptr, [](QWidget* parent) { return std::make_unique<RecordingViewer>(parent); })
    {
    }
    using CViewerDlg::m_bmpBackground;
    using CViewerDlg::m_nCurrentPage;
    using CViewerDlg::m_strImagePath;

    RecordingViewer& Recorder() { return static_cast<RecordingViewer&>(*m_viewer); }
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

QRect SkinRectangle(const std::string& iniPath, const char* section, const char* key)
{
    std::string value = CIniFile(iniPath).GetString(section, key, "");
    const SkinRect r = ExtractRect(value);
    return QRect(r.left, r.top, r.Width(), r.Height());
}

TEST(ViewerDlg, StartsOnTheBundledSkinWithTheViewerOnItsRectangle)
{
    const std::string bundled = QCoreApplication::applicationDirPath().toStdString() + "/skins/Purple/Skin.ini";
    ASSERT_TRUE(std::filesystem::exists(bundled));
    SkinFixture elsewhere; // a start folder without skins
    StartFolder start(elsewhere.Folder());

    OpenViewerDlg dialog;
    dialog.OnInitDialog();

    EXPECT_EQ(g_strSkinFolder, GetPathFolder(bundled));
    ASSERT_FALSE(dialog.m_bmpBackground.isNull());
    EXPECT_EQ(dialog.size(), dialog.m_bmpBackground.size());
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(dialog.Recorder().Widget()->geometry(), SkinRectangle(bundled, "CONTROL", "CONTROL"));
    EXPECT_FALSE(dialog.Recorder().Widget()->isHidden());
    EXPECT_EQ(dialog.m_nCurrentPage, 1);
    EXPECT_TRUE(dialog.m_strImagePath.empty());
    EXPECT_TRUE(dialog.Recorder().calls.empty());
}

TEST(ViewerDlg, ASkinInTheStartFolderComesFirst)
{
    SkinFixture start;
    start.WriteBitmap("skins/Purple/Back.bmp", SolidImage(300, 200, Qt::darkCyan, 8));
    start.WriteIni("[Screen]\nMain=Back.bmp\n[TRANSPARENT]\nCOLOR=0xFF00FF\n[CONTROL]\nCONTROL=30,40,130,90\n",
        "skins/Purple/Skin.ini");
    StartFolder chosen(start.Folder());

    OpenViewerDlg dialog;
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.size(), QSize(300, 200));
    EXPECT_EQ(dialog.Recorder().Widget()->geometry(), QRect(30, 40, 100, 50));
    EXPECT_EQ(g_strSkinFolder, start.Folder() + "skins/Purple/");
}

TEST(ViewerDlg, WithoutViewerRectangleTheViewerFillsTheWindow)
{
    SkinFixture start;
    start.WriteBitmap("skins/Purple/Back.bmp", SolidImage(220, 140, Qt::darkCyan));
    start.WriteIni("[Screen]\nMain=Back.bmp\n", "skins/Purple/Skin.ini");
    StartFolder chosen(start.Folder());

    OpenViewerDlg dialog;
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.Recorder().Widget()->geometry(), QRect(0, 0, 220, 140));
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
