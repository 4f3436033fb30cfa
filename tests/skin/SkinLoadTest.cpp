#include "controls/Label.h"
#include "controls/SkinButton.h"
#include "controls/SkinCheckBox.h"
#include "controls/SkinOptionButton.h"
#include "controls/SkinSlider.h"
#include "tests/skin/TestDialog.h"
#include "tests/support/SkinFixture.h"

#include <gtest/gtest.h>

#include <QPointer>

namespace {

const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);

TEST(LoadSkin, BackgroundOnlyGivesAShapedWindowOfItsSize)
{
    SkinFixture skin;
    skin.WriteBitmap("Back.bmp", SolidImage(100, 50, kBlue, 5));
    skin.WriteIni("[Screen]\nMain=Back.bmp\n[TRANSPARENT]\nCOLOR=0xFF00FF\n");
    TestDialog dialog;
    dialog.LoadFrom(skin.IniPath());

    EXPECT_EQ(dialog.size(), QSize(100, 50));
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
    const QRegion expected = QRegion(0, 0, 100, 50) - QRegion(0, 0, 5, 5);
    EXPECT_EQ(dialog.m_rgnWindow, expected);
    EXPECT_EQ(dialog.mask(), expected);
    EXPECT_TRUE(dialog.m_arrButtons.IsEmpty());
    EXPECT_TRUE(dialog.m_arrLabels.IsEmpty());
    EXPECT_EQ(dialog.BackgroundCopy().toImage().convertToFormat(QImage::Format_RGB32), dialog.m_bmpBackground);
}

TEST(LoadSkin, WithoutTransparentColourTheWindowIsItsRectangle)
{
    SkinFixture skin;
    skin.WriteBitmap("Back.bmp", SolidImage(30, 20, Qt::white, 5));
    skin.WriteIni("[Screen]\nMain=Back.bmp\n");
    TestDialog dialog;
    dialog.LoadFrom(skin.IniPath());
    EXPECT_EQ(dialog.mask(), QRegion(0, 0, 30, 20));
}

TEST(LoadSkin, MissingBackgroundGivesAPlainFramedWindow)
{
    for (const char* ini : { "[Screen]\nMain=none.bmp\n", "[Screen]\nMain=\n", "" }) {
        SkinFixture skin;
        skin.WriteIni(ini);
        TestDialog dialog;
        dialog.LoadFrom(skin.IniPath());
        EXPECT_FALSE(dialog.windowFlags() & Qt::FramelessWindowHint) << ini;
        EXPECT_TRUE(dialog.mask().isEmpty()) << ini;
        EXPECT_GE(dialog.width(), 320) << ini;
        EXPECT_GE(dialog.height(), 240) << ini;
    }
}

TEST(LoadSkin, ABrokenSkinAfterAGoodOneFramesTheWindowAgain)
{
    SkinFixture good, broken;
    good.WriteBitmap("Back.bmp", SolidImage(60, 40, kBlue, 4));
    good.WriteIni("[Screen]\nMain=Back.bmp\n[TRANSPARENT]\nCOLOR=0xFF00FF\n");
    broken.WriteIni("[Screen]\nMain=gone.bmp\n");
    TestDialog dialog;
    dialog.LoadFrom(good.IniPath());
    dialog.LoadFrom(broken.IniPath());
    EXPECT_FALSE(dialog.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(dialog.mask().isEmpty());
    dialog.LoadFrom(good.IniPath());
    EXPECT_EQ(dialog.size(), QSize(60, 40));
    EXPECT_EQ(dialog.mask(), QRegion(0, 0, 60, 40) - QRegion(0, 0, 4, 4));
}

TEST(LoadSkin, SkinWithoutTheKeysKeepsTheEarlierValues)
{
    SkinFixture first, second;
    first.WriteBitmap("Back.bmp", SolidImage(80, 60, kBlue, 6));
    first.WriteBitmap("Icon.bmp", SolidImage(8, 8, Qt::red));
    first.WriteIni("[Screen]\nMain=Back.bmp\n[TRANSPARENT]\nCOLOR=0xFF00FF\n"
                   "[CONTROL]\nCONTROL=10,20,70,50\n[ICON]\nICON=Icon.bmp,2,3,10,11\n");
    second.WriteBitmap("Back.bmp", SolidImage(80, 60, kGreen, 6));
    second.WriteIni("[Screen]\nMain=Back.bmp\n[TRANSPARENT]\nCOLOR=\n[CONTROL]\nCONTROL=\n");

    TestDialog dialog;
    dialog.LoadFrom(first.IniPath());
    const QImage icon = dialog.m_bmpIcon;
    dialog.LoadFrom(second.IniPath());

    EXPECT_EQ(dialog.m_crTransparent, MakeColorRef(255, 0, 255));
    EXPECT_EQ(dialog.m_rcViewer, QRect(10, 20, 60, 30));
    EXPECT_EQ(dialog.m_rcIcon, QRect(2, 3, 8, 8));
    EXPECT_EQ(dialog.m_bmpIcon, icon);
    // The kept colour still cuts the new background.
    EXPECT_EQ(dialog.mask(), QRegion(0, 0, 80, 60) - QRegion(0, 0, 6, 6));
    EXPECT_EQ(dialog.m_bmpBackground.pixelColor(40, 30), kGreen);
}

TEST(LoadSkin, TheNewTransparentColourCutsTheNewBackground)
{
    // The colour is read before the shape is cut: a skin that changes it
    // is shaped by its own colour, not the previous skin's.
    SkinFixture first, second;
    first.WriteBitmap("Back.bmp", SolidImage(40, 40, kBlue, 4, Qt::magenta));
    first.WriteIni("[Screen]\nMain=Back.bmp\n[TRANSPARENT]\nCOLOR=0xFF00FF\n");
    second.WriteBitmap("Back.bmp", SolidImage(40, 40, kBlue, 9, kGreen));
    second.WriteIni("[Screen]\nMain=Back.bmp\n[TRANSPARENT]\nCOLOR=0x00FF00\n");
    TestDialog dialog;
    dialog.LoadFrom(first.IniPath());
    dialog.LoadFrom(second.IniPath());
    EXPECT_EQ(dialog.mask(), QRegion(0, 0, 40, 40) - QRegion(0, 0, 9, 9));
}

TEST(LoadSkin, ReadsRectanglesAndWindowsFileNames)
{
    SkinFixture skin;
    skin.WriteBitmap("Art/Back.bmp", SolidImage(50, 50, kBlue));
    skin.WriteBitmap("Art/Small/Icon.BMP", SolidImage(6, 6, Qt::red, 2));
    skin.WriteIni("[screen]\r\nmain = art\\back.bmp\r\n[TRANSPARENT]\r\nCOLOR=0xFF00FF\r\n"
                  "[CONTROL]\r\nCONTROL=5, 6, 45, 36\r\n[ICON]\r\nICON=Art\\small\\icon.bmp,20,21,26,27\r\n");
    TestDialog dialog;
    dialog.LoadFrom(skin.IniPath());
    ASSERT_FALSE(dialog.m_bmpBackground.isNull());
    ASSERT_FALSE(dialog.m_bmpIcon.isNull());
    EXPECT_EQ(dialog.m_rcViewer, QRect(5, 6, 40, 30));

    // The icon is drawn over the background with its key pixels left out.
    QImage shown(dialog.size(), QImage::Format_RGB32);
    dialog.render(&shown);
    EXPECT_EQ(shown.pixelColor(20, 21), kBlue);
    EXPECT_EQ(shown.pixelColor(23, 24), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(30, 30), kBlue);
}

TEST(LoadSkin, AnInvertedRectangleBecomesEmpty)
{
    SkinFixture skin;
    skin.WriteIni("[CONTROL]\nCONTROL=50,50,10,10\n");
    TestDialog dialog;
    dialog.LoadFrom(skin.IniPath());
    EXPECT_EQ(dialog.m_rcViewer.topLeft(), QPoint(50, 50));
    EXPECT_TRUE(dialog.m_rcViewer.isEmpty());
}

template<class Control>
Control* AddControl(CSkinList<Control>& list, TestDialog& dialog, const std::string& name, int index)
{
    auto control = std::make_unique<Control>(&dialog);
    control->m_strName = name;
    control->m_nIndex = index;
    Control* raw = control.get();
    list.Add(std::move(control));
    return raw;
}

TEST(Reports, IndexesBecomeNames)
{
    TestDialog dialog;
    AddControl(dialog.m_arrButtons, dialog, "BUTTON_OPEN", 0);
    AddControl(dialog.m_arrButtons, dialog, "BUTTON_NEXT", 1);
    AddControl(dialog.m_arrSliders, dialog, "SLIDER_PROGRESS", 0);
    AddControl(dialog.m_arrCheckBoxes, dialog, "CHECK_LOOP", 0);

    dialog.OnButtonClicked(1);
    dialog.OnButtonClicked(0);
    dialog.OnButtonClicked(2);   // no such button: dropped
    dialog.OnButtonClicked(-1);
    dialog.OnSliderMoved(0, 3725);
    dialog.OnSliderMoved(1, 5);
    dialog.OnCheckClicked(0);
    dialog.OnCheckClicked(7);
    EXPECT_EQ(dialog.calls,
        (std::vector<std::string> { "button BUTTON_NEXT", "button BUTTON_OPEN", "slider SLIDER_PROGRESS 3725" }));
}

TEST(Reports, ASkinWithGapsStillNamesTheSender)
{
    // Keys 1 and 3 of a section: the second button sits at position 1 and
    // reports index 2.
    TestDialog dialog;
    AddControl(dialog.m_arrButtons, dialog, "BUTTON_A", 0);
    AddControl(dialog.m_arrButtons, dialog, "BUTTON_C", 2);
    dialog.OnButtonClicked(2);
    dialog.OnButtonClicked(1);
    EXPECT_EQ(dialog.calls, (std::vector<std::string> { "button BUTTON_C" }));
}

TEST(Reports, OptionClickUnchecksTheGroupButNotTheUngroupedOne)
{
    TestDialog dialog;
    auto* a = AddControl(dialog.m_arrOptionButtons, dialog, "OPTION_A", 0);
    auto* b = AddControl(dialog.m_arrOptionButtons, dialog, "OPTION_B", 1);
    auto* audio = AddControl(dialog.m_arrOptionButtons, dialog, "OPTION_AUDIOSTREAM1", 2);
    for (auto* option : { a, b, audio })
        option->m_bChecked = true;

    dialog.OnOptionClicked(1);
    EXPECT_FALSE(a->m_bChecked);
    EXPECT_TRUE(b->m_bChecked);
    EXPECT_TRUE(audio->m_bChecked);

    a->m_bChecked = true;
    dialog.OnOptionClicked(2);
    EXPECT_FALSE(a->m_bChecked);
    EXPECT_FALSE(b->m_bChecked);
    EXPECT_TRUE(audio->m_bChecked);
    EXPECT_EQ(dialog.calls, (std::vector<std::string> { "option OPTION_B", "option OPTION_AUDIOSTREAM1" }));
}

TEST(FindByName, FirstExactMatchOfItsOwnList)
{
    TestDialog dialog;
    auto* progress = AddControl(dialog.m_arrSliders, dialog, "SLIDER_PROGRESS", 0);
    AddControl(dialog.m_arrSliders, dialog, "SLIDER_PROGRESS", 1);
    auto* time = AddControl(dialog.m_arrLabels, dialog, "LABEL_TIME", 0);
    for (int i = 0; i < 5; ++i)
        AddControl(dialog.m_arrButtons, dialog, "BUTTON_" + std::to_string(i), i);

    EXPECT_EQ(dialog.FindSlider("SLIDER_PROGRESS"), progress);
    EXPECT_EQ(dialog.FindLabel("LABEL_TIME"), time);
    EXPECT_EQ(dialog.FindButton("BUTTON_3"), dialog.m_arrButtons.GetAt(3));
    EXPECT_EQ(dialog.FindSlider("BUTTON_3"), nullptr);
    EXPECT_EQ(dialog.FindButton("button_3"), nullptr);
    EXPECT_EQ(dialog.FindLabel("SLIDER_PROGRESS"), nullptr);
}

TEST(ReleaseSkin, DestroysEveryControlAndKeepsTheSkinValues)
{
    SkinFixture skin;
    skin.WriteBitmap("Back.bmp", SolidImage(20, 20, kBlue));
    skin.WriteIni("[Screen]\nMain=Back.bmp\n[TRANSPARENT]\nCOLOR=0x123456\n[CONTROL]\nCONTROL=1,2,3,4\n");
    TestDialog dialog;
    dialog.LoadFrom(skin.IniPath());
    QPointer<QWidget> button = AddControl(dialog.m_arrButtons, dialog, "BUTTON_A", 0);
    QPointer<QWidget> check = AddControl(dialog.m_arrCheckBoxes, dialog, "CHECK_A", 0);
    QPointer<QWidget> label = AddControl(dialog.m_arrLabels, dialog, "LABEL_A", 0);

    dialog.ReleaseSkin();
    EXPECT_TRUE(button.isNull());
    EXPECT_TRUE(check.isNull());
    EXPECT_TRUE(label.isNull());
    EXPECT_TRUE(dialog.m_arrButtons.IsEmpty());
    EXPECT_TRUE(dialog.m_bmpBackground.isNull());
    EXPECT_TRUE(dialog.BackgroundCopy().isNull());
    EXPECT_EQ(dialog.m_crTransparent, 0x00563412u);
    EXPECT_EQ(dialog.m_rcViewer, QRect(1, 2, 2, 2));
}

} // namespace
