// Dragging the skinned window by its background, with real pointer input:
// on a bare X server the window moves itself, under a window manager the
// manager moves it.

#include "controls/Label.h"
#include "tests/skin/TestDialog.h"
#include "tests/support/SkinFixture.h"
#include "tests/support/XTestInput.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

namespace {

class WindowDrag : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_input.IsAvailable());
        m_skin.WriteBitmap("Back.bmp", SolidImage(240, 160, QColor(40, 40, 160), 10));
        m_skin.WriteIni("[Screen]\nMain=Back.bmp\n[TRANSPARENT]\nCOLOR=0xFF00FF\n");
        m_dialog.LoadFrom(m_skin.IniPath());
        m_dialog.move(200, 150);
        m_dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_dialog));
        SettleX11();
        m_start = m_dialog.pos();
    }

    // Where the window should stand after the drag, and which mover the
    // press should have started.
    static CWindowDrag::Mode ExpectedMode()
    {
        return qgetenv("SKINVIEW_TEST_DISPLAY") == "X11_WM" ? CWindowDrag::Mode::System : CWindowDrag::Mode::Own;
    }

    // Drags from `from` (client coordinates) by `delta`, checking the mode
    // while the button is down.
    CWindowDrag::Mode DragBy(QPoint from, QPoint delta)
    {
        const QPoint global = m_dialog.mapToGlobal(from);
        m_input.MoveTo(global);
        m_input.Press();
        const CWindowDrag::Mode mode = m_dialog.m_drag.CurrentMode();
        for (int i = 1; i <= 8; ++i)
            m_input.MoveTo(global + delta * i / 8);
        m_input.Release();
        SettleX11();
        return mode;
    }

    SkinFixture m_skin;
    TestDialog m_dialog;
    XTestInput m_input;
    QPoint m_start;
};

TEST_F(WindowDrag, PressOnTheBackgroundMovesTheWindow)
{
    EXPECT_EQ(DragBy(QPoint(120, 80), QPoint(70, 40)), ExpectedMode());
    QTRY_COMPARE_WITH_TIMEOUT(m_dialog.pos(), m_start + QPoint(70, 40), 2000);
    // And back again, the other way.
    DragBy(QPoint(60, 60), QPoint(-30, -50));
    QTRY_COMPARE_WITH_TIMEOUT(m_dialog.pos(), m_start + QPoint(40, -10), 2000);
}

TEST_F(WindowDrag, PressOnAControlMovesNothing)
{
    auto* button = new QPushButton("x", &m_dialog);
    button->setGeometry(20, 20, 60, 30);
    button->show();
    SettleX11();
    DragBy(QPoint(40, 30), QPoint(70, 40));
    EXPECT_EQ(m_dialog.m_drag.CurrentMode(), CWindowDrag::Mode::None);
    QTest::qWait(200);
    EXPECT_EQ(m_dialog.pos(), m_start);
}

TEST_F(WindowDrag, PressOnALabelMovesTheWindowToo)
{
    auto* label = new CLabel(&m_dialog);
    label->setGeometry(20, 20, 100, 40);
    label->show();
    SettleX11();
    EXPECT_EQ(DragBy(QPoint(50, 30), QPoint(25, 35)), ExpectedMode());
    QTRY_COMPARE_WITH_TIMEOUT(m_dialog.pos(), m_start + QPoint(25, 35), 2000);
}

} // namespace
