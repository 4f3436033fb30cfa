#include "tests/support/SkinFixture.h"

#include "tests/support/ZipWriter.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <stdexcept>

SkinFixture::SkinFixture()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot make a temporary skin folder");
}

std::string SkinFixture::Folder() const { return m_dir.path().toStdString() + "/"; }
std::string SkinFixture::IniPath(const std::string& name) const { return Folder() + name; }

void SkinFixture::WriteFile(const std::string& relativePath, const std::string& bytes)
{
    const QString path = m_dir.filePath(QString::fromStdString(relativePath));
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void SkinFixture::WriteIni(const std::string& text, const std::string& name)
{
    WriteFile(name, text);
}

void SkinFixture::WriteBitmap(const std::string& relativePath, const QImage& image)
{
    WriteFile(relativePath, BitmapBytes(image));
}

void SkinFixture::WritePackage(const std::string& relativePath)
{
    ZipWriter package;
    QDirIterator files(m_dir.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (path.endsWith(".skn") || path.endsWith(".zip"))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read " + path.toStdString());
        package.Add(ZipWriter::Entry::File(QDir(m_dir.path()).relativeFilePath(path).toStdString(), file.readAll().toStdString()));
    }
    ZipWriter::WriteFile(Folder() + relativePath, package.Finish());
}

std::string BitmapBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        throw std::runtime_error("cannot make a bitmap");
    return bytes.toStdString();
}

QImage SolidImage(int width, int height, QColor fill, int corner, QColor cornerColor)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    if (corner > 0) {
        QPainter painter(&image);
        painter.fillRect(0, 0, corner, corner, cornerColor);
    }
    return image;
}
