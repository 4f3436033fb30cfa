// The skinned window on a real X server: its shape and its keys.

#include "tests/skin/TestDialog.h"
#include "tests/support/SkinFixture.h"
#include "tests/support/XTestInput.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <X11/keysym.h>

namespace {

const QColor kBeneath(0, 200, 0);
const QColor kSkin(30, 60, 200);

QColor ScreenPixel(QPoint globalPos)
{
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0, globalPos.x(), globalPos.y(), 1, 1).toImage();
    return screen.pixelColor(0, 0);
}

// A plain window of one colour, for the skinned window to lie over.
class Backdrop : public QWidget {
public:
    explicit Backdrop(QRect geometry)
    {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, kBeneath);
        setPalette(colours);
        setGeometry(geometry);
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }
};

void ShowAt(TestDialog& dialog, QPoint topLeft)
{
    dialog.move(topLeft);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    SettleX11();
}

TEST(SkinWindow, CutOutCornerShowsWhatLiesBeneath)
{
    SkinFixture skin;
    skin.WriteBitmap("Back.bmp", SolidImage(120, 80, kSkin, 12));
    skin.WriteIni("[Screen]\nMain=Back.bmp\n[TRANSPARENT]\nCOLOR=0xFF00FF\n");
    Backdrop beneath(QRect(100, 100, 300, 300));
    TestDialog dialog;
    dialog.LoadFrom(skin.IniPath());
    ShowAt(dialog, QPoint(150, 150));

    EXPECT_EQ(ScreenPixel(QPoint(151, 151)), kBeneath);
    EXPECT_EQ(ScreenPixel(QPoint(161, 161)), kBeneath);
    EXPECT_EQ(ScreenPixel(QPoint(162, 162)), kSkin);
    EXPECT_EQ(ScreenPixel(QPoint(150 + 60, 150 + 40)), kSkin);
    EXPECT_EQ(ScreenPixel(QPoint(150 + 119, 150 + 79)), kSkin);
    EXPECT_EQ(ScreenPixel(QPoint(150 + 121, 150 + 40)), kBeneath);
}

TEST(SkinWindow, AllTransparentBackgroundShowsNothing)
{
    SkinFixture skin;
    skin.WriteBitmap("Back.bmp", SolidImage(60, 40, Qt::magenta));
    skin.WriteIni("[Screen]\nMain=Back.bmp\n[TRANSPARENT]\nCOLOR=0xFF00FF\n");
    Backdrop beneath(QRect(100, 100, 200, 200));
    TestDialog dialog;
    dialog.LoadFrom(skin.IniPath());
    EXPECT_TRUE(dialog.m_rgnWindow.isEmpty());
    dialog.move(120, 120);
    dialog.show();
    SettleX11();
    for (const QPoint p : { QPoint(120, 120), QPoint(150, 140), QPoint(179, 159) })
        EXPECT_EQ(ScreenPixel(p), kBeneath) << p.x() << "," << p.y();
}

TEST(SkinWindow, EnterAndEscapeNeverEndTheDialog)
{
    SkinFixture skin;
    skin.WriteBitmap("Back.bmp", SolidImage(200, 100, kSkin));
    skin.WriteIni("[Screen]\nMain=Back.bmp\n");
    TestDialog dialog;
    dialog.LoadFrom(skin.IniPath());
    dialog.move(50, 50);
    auto* edit = new QLineEdit(&dialog);
    edit->setGeometry(10, 10, 120, 24);
    QSignalSpy returnPressed(edit, &QLineEdit::returnPressed);
    XTestInput input;
    ASSERT_TRUE(input.IsAvailable());

    bool openAfterKeys = false;
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
        input.MoveTo(QPoint(150, 100));
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        edit->setFocus();
        SettleX11();
        for (const unsigned long key : { XK_Escape, XK_Return, XK_KP_Enter, XK_a })
            input.Key(key);
        dialog.setFocus();
        SettleX11();
        for (const unsigned long key : { XK_Escape, XK_Return, XK_KP_Enter })
            input.Key(key);
        openAfterKeys = dialog.isVisible();
        dialog.done(42);
    });
    EXPECT_EQ(dialog.exec(), 42);
    EXPECT_TRUE(openAfterKeys);
    EXPECT_EQ(edit->text(), "a"); // the keyboard did reach the edit box
    EXPECT_EQ(returnPressed.count(), 0);
}

TEST(SkinWindow, TheWindowManagersCloseRequestEndsTheDialog)
{
    SkinFixture skin;
    skin.WriteBitmap("Back.bmp", SolidImage(80, 80, kSkin));
    skin.WriteIni("[Screen]\nMain=Back.bmp\n");
    TestDialog dialog;
    dialog.LoadFrom(skin.IniPath());
    XTestInput input;
    bool closedFromOutside = true;
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        input.RequestClose(dialog.winId());
        // Only reached if the request did not end the run.
        QTimer::singleShot(2000, &dialog, [&] {
            closedFromOutside = false;
            dialog.done(7);
        });
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_TRUE(closedFromOutside);
}

} // namespace
