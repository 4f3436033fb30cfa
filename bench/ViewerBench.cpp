// viewer-bench: drives the real image viewer control without a window
// system, for the benchmarks and for trying files by hand.
//
//   viewer-bench pages FILE
//   viewer-bench render FILE PAGE WIDTH HEIGHT OUT.png
//   viewer-bench save FILE PAGE FORMAT A B OUT
//   viewer-bench split SRC P OUT1 OUT2
//   viewer-bench flip FILE N
//
// Each exits 0 on success, non-zero with a message on failure.
#include "viewer/ImageViewerControl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <random>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kFlipViewWidth = 1920;
constexpr int kFlipViewHeight = 1080;

int Fail(const QString& message)
{
    std::fprintf(stderr, "viewer-bench: %s\n", qPrintable(message));
    return 1;
}

long PeakMemoryKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool ParseInt(const char* text, int& value)
{
    bool ok = false;
    value = QString::fromLocal8Bit(text).toInt(&ok);
    return ok;
}

// What the view shows of the page, painted as the screen would get it.
QImage Displayed(CImageViewerControl& viewer)
{
    const QRect page = viewer.DisplayedPageRect().intersected(viewer.rect());
    // The view paints its background under the page: the frame is opaque.
    QImage shown(page.size(), QImage::Format_RGB32);
    viewer.render(&shown, QPoint(), QRegion(page));
    return shown;
}

int ShowOrFail(CImageViewerControl& viewer, const QString& file, int page)
{
    if (viewer.ShowPage(file, static_cast<int16_t>(page)) != 1)
        return Fail(viewer.Message().isEmpty() ? viewer.LastError() : viewer.Message());
    return 0;
}

int Pages(CImageViewerControl& viewer, const QString& file)
{
    viewer.SetFileName(file);
    if (!viewer.Message().isEmpty())
        return Fail(viewer.Message());
    std::printf("%d\n", viewer.GetPageCount());
    return 0;
}

int Render(CImageViewerControl& viewer, char** args)
{
    int page = 0;
    int width = 0;
    int height = 0;
    if (!ParseInt(args[1], page) || !ParseInt(args[2], width) || !ParseInt(args[3], height) || width < 1 || height < 1)
        return Fail(QStringLiteral("render: PAGE, WIDTH and HEIGHT are numbers"));
    QElapsedTimer timer;
    timer.start();
    viewer.resize(width, height);
    viewer.SetViewMode(10);
    if (const int failed = ShowOrFail(viewer, QString::fromLocal8Bit(args[0]), page))
        return failed;
    const QImage shown = Displayed(viewer);
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    // A light compression level: the frame is a measuring aid, not an archive.
    constexpr int kPngQuality = 80;
    if (!shown.save(QString::fromLocal8Bit(args[4]), "png", kPngQuality))
        return Fail(QStringLiteral("cannot write %1").arg(QString::fromLocal8Bit(args[4])));
    std::printf("size %dx%d ms %.1f peak_rss_mb %.1f\n", shown.width(), shown.height(), elapsed,
                static_cast<double>(PeakMemoryKilobytes()) / 1024.0);
    return 0;
}

int Save(CImageViewerControl& viewer, char** args)
{
    int page = 0;
    int a = 0;
    int b = 0;
    if (!ParseInt(args[1], page) || !ParseInt(args[3], a) || !ParseInt(args[4], b))
        return Fail(QStringLiteral("save: PAGE, A and B are numbers"));
    if (const int failed = ShowOrFail(viewer, QString::fromLocal8Bit(args[0]), page))
        return failed;
    if (viewer.SaveAs(QString::fromLocal8Bit(args[5]), QString::fromLocal8Bit(args[2]), static_cast<int16_t>(a),
                      static_cast<int16_t>(b)) != 1)
        return Fail(QStringLiteral("save failed: %1").arg(viewer.LastError()));
    return 0;
}

int Split(CImageViewerControl& viewer, char** args)
{
    int page = 0;
    if (!ParseInt(args[1], page))
        return Fail(QStringLiteral("split: P is a number"));
    QElapsedTimer timer;
    timer.start();
    if (!viewer.SplitTiff(QString::fromLocal8Bit(args[0]), static_cast<int16_t>(page), QString::fromLocal8Bit(args[2]),
                          QString::fromLocal8Bit(args[3])))
        return Fail(QStringLiteral("split failed: %1").arg(viewer.LastError()));
    std::printf("ms %.1f\n", static_cast<double>(timer.nsecsElapsed()) / 1e6);
    return 0;
}

double Percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

// Random pages, each shown and painted into a frame as the screen would get
// it, so the time is decoding, shrinking and painting together.
int Flip(CImageViewerControl& viewer, char** args)
{
    const QString file = QString::fromLocal8Bit(args[0]);
    int flips = 0;
    if (!ParseInt(args[1], flips) || flips < 1)
        return Fail(QStringLiteral("flip: N is a positive number"));
    viewer.resize(kFlipViewWidth, kFlipViewHeight);
    viewer.SetViewMode(10);
    viewer.SetFileName(file);
    const int count = viewer.GetPageCount();
    if (count < 1)
        return Fail(viewer.Message());
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> pages(1, count);
    QImage frame(viewer.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> times;
    for (int flip = 0; flip < flips; ++flip) {
        const int page = pages(random);
        QElapsedTimer timer;
        timer.start();
        if (const int failed = ShowOrFail(viewer, file, page))
            return failed;
        viewer.render(&frame);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("median %.1f p95 %.1f\n", Percentile(times, 0.5), Percentile(times, 0.95));
    return 0;
}

struct Command {
    const char* name;
    int arguments;
    int (*run)(CImageViewerControl&, char**);
};

int PagesCommand(CImageViewerControl& viewer, char** args)
{
    return Pages(viewer, QString::fromLocal8Bit(args[0]));
}

constexpr Command kCommands[] = {
    {"pages", 1, PagesCommand}, {"render", 5, Render}, {"save", 6, Save}, {"split", 4, Split}, {"flip", 2, Flip},
};

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const Command& command : kCommands) {
        if (argc == command.arguments + 2 && qstrcmp(argv[1], command.name) == 0) {
            CImageViewerControl viewer(nullptr);
            return command.run(viewer, argv + 2);
        }
    }
    return Fail(QStringLiteral("usage: viewer-bench pages FILE | render FILE PAGE WIDTH HEIGHT OUT.png | "
                               "save FILE PAGE FORMAT A B OUT | split SRC P OUT1 OUT2 | flip FILE N"));
}
