#include "TestImages.h"

#include "viewer/ImageViewerControl.h"

#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

using namespace TestImages;

class ViewerControl : public testing::Test {
protected:
    void SetUp() override
    {
        m_viewer.resize(400, 300);
        m_viewer.show();
    }

    QString Path(const QString& name) const { return m_folder.filePath(name); }

    QString WriteImage(const QString& name, const QImage& image) const
    {
        EXPECT_TRUE(image.save(Path(name), "png"));
        return Path(name);
    }

    // What the screen would show.
    QImage Screen()
    {
        QImage screen(m_viewer.size(), QImage::Format_RGB32);
        m_viewer.render(&screen);
        return screen;
    }

    void Mouse(QEvent::Type type, QPoint at)
    {
        QMouseEvent event(type, at, m_viewer.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&m_viewer, &event);
    }

    void Wheel(int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QPointF at(200, 150);
        QWheelEvent event(at, m_viewer.mapToGlobal(at), QPoint(), QPoint(0, notches * 120), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&m_viewer, &event);
    }

    QTemporaryDir m_folder;
    CImageViewerControl m_viewer{nullptr};
};

TEST_F(ViewerControl, FitShowsTheWholePageCentredAndSmallPagesAt100)
{
    m_viewer.SetFileName(WriteImage("wide.png", Quadrants(800, 300)));
    EXPECT_DOUBLE_EQ(m_viewer.CurrentZoom(), 0.5);
    EXPECT_EQ(m_viewer.DisplayedPageRect(), QRect(0, 75, 400, 150));

    m_viewer.SetFileName(WriteImage("small.png", Quadrants(100, 50)));
    EXPECT_DOUBLE_EQ(m_viewer.CurrentZoom(), 1.0);
    EXPECT_EQ(m_viewer.DisplayedPageRect(), QRect(150, 125, 100, 50));
    const QImage screen = Screen();
    EXPECT_EQ(QColor(screen.pixel(160, 130)), QuadrantColours()[0]);
    EXPECT_EQ(QColor(screen.pixel(240, 170)), QuadrantColours()[3]);

    // Fit follows the view's size.
    m_viewer.resize(50, 50);
    EXPECT_DOUBLE_EQ(m_viewer.CurrentZoom(), 0.5);
}

TEST_F(ViewerControl, ViewModesAndZoomStepsFromTheZoomInEffect)
{
    m_viewer.SetFileName(WriteImage("wide.png", Quadrants(800, 300)));
    m_viewer.ZoomIn();  // from the fitted 50 %
    EXPECT_DOUBLE_EQ(m_viewer.CurrentZoom(), 0.75);
    m_viewer.ZoomIn();
    EXPECT_DOUBLE_EQ(m_viewer.CurrentZoom(), 1.0);
    m_viewer.ZoomOut();
    m_viewer.ZoomOut();
    m_viewer.ZoomOut();
    EXPECT_DOUBLE_EQ(m_viewer.CurrentZoom(), 1.0 / 3.0);
    for (int i = 0; i < 20; ++i)
        m_viewer.ZoomIn();
    EXPECT_DOUBLE_EQ(m_viewer.CurrentZoom(), 8.0);
    for (int i = 0; i < 20; ++i)
        m_viewer.ZoomOut();
    EXPECT_DOUBLE_EQ(m_viewer.CurrentZoom(), 0.10);

    const double modes[] = {0.25, 1.0 / 3.0, 0.5, 0.75, 1.0, 1.5, 2.0};
    for (int16_t mode = 1; mode <= 7; ++mode) {
        m_viewer.SetViewMode(mode);
        EXPECT_DOUBLE_EQ(m_viewer.CurrentZoom(), modes[mode - 1]) << mode;
    }
    m_viewer.SetViewMode(0);
    m_viewer.SetViewMode(11);
    EXPECT_DOUBLE_EQ(m_viewer.CurrentZoom(), 2.0);
    m_viewer.SetViewMode(10);
    EXPECT_DOUBLE_EQ(m_viewer.CurrentZoom(), 0.5);
    // Opening keeps the view mode.
    m_viewer.SetViewMode(7);
    m_viewer.SetFileName(Path("wide.png"));
    EXPECT_DOUBLE_EQ(m_viewer.CurrentZoom(), 2.0);
}

TEST_F(ViewerControl, ALargePageScrollsByWheelDragAndScrollBar)
{
    m_viewer.SetFileName(WriteImage("wide.png", Quadrants(800, 300)));
    m_viewer.SetViewMode(7);  // 1600 x 600 in 400 x 300
    const QPoint centred = m_viewer.ScrollOffset();
    EXPECT_EQ(centred, QPoint(600, 150));  // zooming kept the centre

    Wheel(-1);  // one notch down
    EXPECT_EQ(m_viewer.ScrollOffset(), QPoint(600, 230));
    Wheel(-10);
    EXPECT_EQ(m_viewer.ScrollOffset(), QPoint(600, 300));  // clamped at the bottom

    Mouse(QEvent::MouseButtonPress, {200, 150});
    Mouse(QEvent::MouseMove, {300, 250});
    Mouse(QEvent::MouseButtonRelease, {300, 250});
    EXPECT_EQ(m_viewer.ScrollOffset(), QPoint(500, 200));

    // The horizontal thumb dragged to the far right shows the page's end.
    const QPoint thumb(2 + (400 - 16) * 500 / 1200 + 10, 300 - 7);
    Mouse(QEvent::MouseButtonPress, thumb);
    Mouse(QEvent::MouseMove, thumb + QPoint(1000, 0));
    Mouse(QEvent::MouseButtonRelease, thumb + QPoint(1000, 0));
    EXPECT_EQ(m_viewer.ScrollOffset().x(), 1200);
    EXPECT_EQ(m_viewer.DisplayedPageRect().right(), 399);

    Wheel(1, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(m_viewer.CurrentZoom(), 3.0);
}

TEST_F(ViewerControl, ShrinkingAveragesAndEnlargingKeepsPixelsCrisp)
{
    // A one-pixel checkerboard at 25 % is an even grey, not a moire.
    QImage checkers(400, 400, QImage::Format_RGB32);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            checkers.setPixel(x, y, (x + y) % 2 ? 0xFFFFFFFF : 0xFF000000);
    m_viewer.SetFileName(WriteImage("checkers.png", checkers));
    m_viewer.SetViewMode(1);
    QImage screen = Screen();
    const QRect page = m_viewer.DisplayedPageRect();
    ASSERT_EQ(page.size(), QSize(100, 100));
    for (int y = page.top(); y <= page.bottom(); y += 7)
        for (int x = page.left(); x <= page.right(); x += 7)
            ASSERT_NEAR(qGray(screen.pixel(x, y)), 128, 2) << x << "," << y;

    // A black and white page at 400 %: every screen pixel is one or the
    // other, with the edge exactly on a page pixel's border.
    QImage halves(8, 8, QImage::Format_RGB32);
    halves.fill(Qt::white);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 4; ++x)
            halves.setPixel(x, y, 0xFF000000);
    m_viewer.SetFileName(WriteImage("halves.png", halves));
    m_viewer.SetViewMode(7);
    m_viewer.ZoomIn();
    m_viewer.ZoomIn();
    ASSERT_DOUBLE_EQ(m_viewer.CurrentZoom(), 4.0);
    screen = Screen();
    const QRect big = m_viewer.DisplayedPageRect();
    ASSERT_EQ(big.size(), QSize(32, 32));
    for (int x = big.left(); x <= big.right(); ++x)
        EXPECT_EQ(qGray(screen.pixel(x, big.center().y())), x < big.left() + 16 ? 0 : 255) << x;
}

TEST_F(ViewerControl, HighZoomOfAHugePageShowsTheRightPartWherever)
{
    WriteTiff(Path("huge.tif"), {{6000, 3200, COMPRESSION_LZW}});
    m_viewer.SetFileName(Path("huge.tif"));
    m_viewer.SetViewMode(5);
    for (int i = 0; i < 3; ++i)
        m_viewer.ZoomIn();  // 300 %: 18000 x 9600 on screen
    ASSERT_DOUBLE_EQ(m_viewer.CurrentZoom(), 3.0);
    const struct {
        QPoint scroll;  // where to look, in screen pixels of the zoomed page
        QColor colour;
    } places[] = {{{0, 0}, QuadrantColours()[0]}, {{17000, 100}, QuadrantColours()[1]},
                  {{100, 9000}, QuadrantColours()[2]}, {{17500, 9200}, QuadrantColours()[3]}};
    for (const auto& place : places) {
        const QPoint delta = place.scroll - m_viewer.ScrollOffset();
        Mouse(QEvent::MouseButtonPress, {200, 150});
        Mouse(QEvent::MouseMove, QPoint(200, 150) - delta);
        Mouse(QEvent::MouseButtonRelease, QPoint(200, 150) - delta);
        ASSERT_EQ(m_viewer.ScrollOffset(), place.scroll);
        EXPECT_EQ(QColor(Screen().pixel(200, 150)), place.colour) << place.scroll.x() << "," << place.scroll.y();
    }
}

TEST_F(ViewerControl, ShowPageKeepsToThePagesOfTheFile)
{
    WriteTiff(Path("five.tif"), FivePages());
    const QString five = Path("five.tif");
    EXPECT_EQ(m_viewer.GetPageCount(), 0);
    m_viewer.SetFileName(five);
    EXPECT_EQ(m_viewer.CurrentPage(), 1);
    EXPECT_EQ(m_viewer.GetPageCount(), 5);
    EXPECT_EQ(m_viewer.ShowPage(five, 3), 1);
    EXPECT_EQ(m_viewer.CurrentPage(), 3);
    for (int16_t wrong : {int16_t{0}, int16_t{6}, int16_t{-1}, int16_t{32767}}) {
        EXPECT_EQ(m_viewer.ShowPage(five, wrong), 0) << wrong;
        EXPECT_EQ(m_viewer.CurrentPage(), 3) << wrong;
    }
    // A wrong page of another file leaves the file shown as it was.
    const QString other = WriteImage("other.png", Quadrants(10, 10));
    EXPECT_EQ(m_viewer.ShowPage(other, 2), 0);
    EXPECT_EQ(m_viewer.GetPageCount(), 5);
    EXPECT_EQ(m_viewer.CurrentPage(), 3);
    EXPECT_EQ(m_viewer.ShowPage(other, 1), 1);
    EXPECT_EQ(m_viewer.GetPageCount(), 1);
}

TEST_F(ViewerControl, NamesWithoutFolderResolveAgainstTheBrowseFolder)
{
    WriteTiff(Path("five.tif"), FivePages());
    m_viewer.SetBrowseFolder(m_folder.path());
    m_viewer.SetFileName("five.tif");
    EXPECT_EQ(m_viewer.GetPageCount(), 5);
    // The dialog shows pages by full path right after: the same file.
    EXPECT_EQ(m_viewer.ShowPage(Path("five.tif"), 5), 1);
    EXPECT_TRUE(m_viewer.SplitTiff("five.tif", 2, "part1.tif", "part2.tif"));
    EXPECT_FALSE(m_viewer.SplitTiff("five.tif", 2, "", "part2.tif"));
    EXPECT_EQ(m_viewer.SaveAs("", "PNG", 0, 0), 0);
    EXPECT_EQ(m_viewer.SaveAs("copy.png", "PNG", 0, 0), 1);
    EXPECT_TRUE(QFileInfo::exists(Path("copy.png")));
    m_viewer.SetFileName("part2.tif");
    EXPECT_EQ(m_viewer.GetPageCount(), 3);
}

TEST_F(ViewerControl, AFileChangedOnDiskIsOpenedAnew)
{
    WriteTiff(Path("doc.tif"), FivePages());
    m_viewer.SetFileName(Path("doc.tif"));
    ASSERT_EQ(m_viewer.ShowPage(Path("doc.tif"), 4), 1);
    // Saving the document over itself at another size, as the dialog can.
    ASSERT_EQ(m_viewer.SaveAs(Path("doc.tif"), "TIF", 20, 10), 1);
    EXPECT_EQ(m_viewer.ShowPage(Path("doc.tif"), 5), 1);
    EXPECT_EQ(m_viewer.DisplayedPageRect().size(), QSize(20, 10));

    WriteTiff(Path("doc.tif"), {{30, 30, COMPRESSION_NONE}, {30, 30, COMPRESSION_NONE}});
    EXPECT_EQ(m_viewer.ShowPage(Path("doc.tif"), 5), 0);  // gone with the change
    EXPECT_EQ(m_viewer.GetPageCount(), 2);
    EXPECT_EQ(m_viewer.ShowPage(Path("doc.tif"), 2), 1);
}

TEST_F(ViewerControl, AFileThatCannotBeOpenedLeavesAClearTextAndNoPages)
{
    m_viewer.SetFileName(WriteImage("good.png", Quadrants(40, 40)));
    TestImages::WriteBytes(Path("broken.png"), ReadBytes(Path("good.png")).left(30));
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {{"missing.tif", "does not exist"}, {"broken.png", "broken.png"}};
    for (const auto& c : cases) {
        m_viewer.SetFileName(Path(c.name));
        EXPECT_EQ(m_viewer.GetPageCount(), 0) << c.name;
        EXPECT_TRUE(m_viewer.Message().contains(QLatin1String(c.name))) << m_viewer.Message().toStdString();
        EXPECT_TRUE(m_viewer.Message().contains(QLatin1String(c.reason))) << m_viewer.Message().toStdString();
        EXPECT_TRUE(m_viewer.DisplayedPageRect().isEmpty()) << c.name;
        EXPECT_EQ(m_viewer.ShowPage(Path(c.name), 1), 0) << c.name;
        EXPECT_EQ(m_viewer.SaveAs(Path("out.png"), "PNG", 0, 0), 0) << c.name;
    }
    m_viewer.SetFileName(Path("good.png"));
    EXPECT_TRUE(m_viewer.Message().isEmpty());
    EXPECT_EQ(m_viewer.GetPageCount(), 1);
}

} // namespace
