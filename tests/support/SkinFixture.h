#pragma once

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <string>

// A skin folder for one test, removed with the fixture: write its
// description and bitmaps, then point a dialog at IniPath().
class SkinFixture {
public:
    SkinFixture();

    // Writes `text` as the description, "Skin.ini" unless named otherwise.
    void WriteIni(const std::string& text, const std::string& name = "Skin.ini");
    // Writes `image` as a 24-bit Windows bitmap at `relativePath`, creating
    // its folders.
    void WriteBitmap(const std::string& relativePath, const QImage& image);
    // Writes arbitrary bytes.
    void WriteFile(const std::string& relativePath, const std::string& bytes);
    // Writes a skin package at `relativePath` holding the files written so
    // far, except packages, under their paths relative to the folder.
    void WritePackage(const std::string& relativePath);

    std::string Folder() const;
    std::string IniPath(const std::string& name = "Skin.ini") const;

private:
    QTemporaryDir m_dir;
};

// `image` as the bytes of a 24-bit Windows bitmap file.
std::string BitmapBytes(const QImage& image);

// A `width` x `height` image of `fill`, its top-left `corner` x `corner`
// pixels in `cornerColor`.
QImage SolidImage(int width, int height, QColor fill, int corner = 0, QColor cornerColor = Qt::magenta);
