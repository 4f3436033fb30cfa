#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <tiffio.h>
#include <vector>

// Fixtures written by the libraries themselves into a test's folder, so no
// image binaries live in the repository.
namespace TestImages {

// Four flat quadrants: red top-left, green top-right, blue bottom-left,
// white bottom-right. Flat areas survive lossy formats and scaling, so the
// quadrant centres identify the image after any round trip.
QImage Quadrants(int width, int height);
// The colour expected at the centre of each quadrant, in the order above.
std::vector<QColor> QuadrantColours();
// Largest channel difference between the quadrant centres of `image` and
// the expected colours; each colour reduced to its luma first when `grey`.
int QuadrantError(const QImage& image, bool grey = false);

struct TiffPage {
    int width;
    int height;
    uint16_t compression;
    bool tiled = false;
};
// A multi-page RGB TIFF, page i filled with Quadrants rotated by i (so
// pages differ), each with the given layout.
void WriteTiff(const QString& path, const std::vector<TiffPage>& pages, bool bigEndian = false);
// The fixture of the split tests: five pages of different sizes and
// compressions (none, LZW, Deflate, PackBits, JPEG), one of them tiled.
std::vector<TiffPage> FivePages();

// A PDF of `pages` pages, each a flat colour, of different page sizes.
void WritePdf(const QString& path, int pages);
// The flat colour of PDF page i (0-based).
QColor PdfPageColour(int index);

// An animation of three frames on a 40x30 canvas: a red frame, then blue
// and green 10x10 sub-frames that leave the rest of the canvas as it was.
void WriteAnimatedGif(const QString& path);

// `image` written by ImageMagick with the named coder ("PSD", "PCX", ...).
void WriteWithMagick(const QString& path, const char* coder, const std::vector<QImage>& images);

// A placeable Windows metafile drawing a red rectangle, built by hand:
// nothing here writes WMF.
void WriteWmf(const QString& path);

void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);

} // namespace TestImages
