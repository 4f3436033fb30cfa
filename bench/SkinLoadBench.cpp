// How long a skin load takes, and its largest part for big backgrounds:
// cutting the window shape out of the background.
//
//   build/bin/skin-load-bench [--benchmark_filter=...]

#include "skin/SkinDialog.h"
#include "skin/SkinPainting.h"
#include "skin/WindowRegion.h"
#include "zip/ZipReader.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

namespace {

constexpr COLORREF kMagenta = MakeColorRef(255, 0, 255);

// A full-HD background with rounded corners and an edge that wanders by a
// few pixels on every row, so that no two rows share their runs.
QImage RaggedBackground(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(60, 30, 120));
    std::mt19937 random(1);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int left = static_cast<int>(random() % 6);
        const int right = static_cast<int>(random() % 6);
        for (int x = 0; x < left; ++x)
            row[x] = qRgb(255, 0, 255);
        for (int x = width - right; x < width; ++x)
            row[x] = qRgb(255, 0, 255);
        // A few holes inside, as a skin with cut-out decorations has.
        if (y % 97 == 0) {
            for (int x = width / 3; x < width / 3 + 40; ++x)
                row[x] = qRgb(255, 0, 255);
        }
    }
    return image;
}

void BM_WindowShape(benchmark::State& state)
{
    const QImage image = RaggedBackground(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        const WindowShape shape = BuildWindowShape(reinterpret_cast<const std::uint32_t*>(image.constBits()),
            image.width(), image.height(), image.bytesPerLine() / 4, kMagenta);
        benchmark::DoNotOptimize(shape.rects.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_WindowShape)->Args({ 820, 600 })->Args({ 1920, 1080 })->Unit(benchmark::kMillisecond);

void BM_ShapeRegion(benchmark::State& state)
{
    const QImage image = RaggedBackground(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildShapeRegion(image, kMagenta));
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_ShapeRegion)->Args({ 820, 600 })->Args({ 1920, 1080 })->Unit(benchmark::kMillisecond);

// The shape as one region operation per cut-out pixel, for comparison. Its
// cost grows with every pixel cut, so it runs only a few times.
void BM_PerPixelRegion(benchmark::State& state)
{
    const QImage image = RaggedBackground(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        QRegion region(image.rect());
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if ((image.pixel(x, y) & 0xFFFFFF) == 0xFF00FF)
                    region = region.xored(QRegion(x, y, 1, 1));
            }
        }
        benchmark::DoNotOptimize(region);
    }
}
BENCHMARK(BM_PerPixelRegion)->Args({ 480, 270 })->Args({ 1920, 1080 })->Iterations(3)->Unit(benchmark::kMillisecond);

// A whole LoadSkin on a description with the given background.
void BM_LoadSkin(benchmark::State& state, const QString& iniPath)
{
    CSkinDialog dialog;
    dialog.SetIniPath(iniPath.toStdString());
    for (auto _ : state)
        dialog.LoadSkin();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // The bundled default skin, unpacked once as start-up unpacks it.
    QTemporaryDir purple;
    {
        CZipReader package;
        try {
            package.Open((QCoreApplication::applicationDirPath() + "/Purple.skn").toStdString());
            for (int i = 0; i < package.GetEntryCount(); ++i)
                package.ExtractEntry(static_cast<std::uint16_t>(i), purple.path().toStdString());
            package.Close();
            benchmark::RegisterBenchmark("BM_LoadSkin/Purple", BM_LoadSkin, purple.filePath("Skin.ini"))
                ->Unit(benchmark::kMillisecond);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "Purple.skn: %s\n", e.what());
        }
    }

    QTemporaryDir big;
    RaggedBackground(1920, 1080).convertToFormat(QImage::Format_RGB888).save(big.filePath("Back.bmp"), "BMP");
    QFile ini(big.filePath("Skin.ini"));
    if (ini.open(QIODevice::WriteOnly))
        ini.write("[Screen]\nMain=Back.bmp\n[TRANSPARENT]\nCOLOR=0xFF00FF\n[CONTROL]\nCONTROL=20,20,1900,1060\n");
    ini.close();
    benchmark::RegisterBenchmark("BM_LoadSkin/Ragged1920x1080", BM_LoadSkin, big.filePath("Skin.ini"))
        ->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
