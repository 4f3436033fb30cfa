#include "tests/support/SkinFixture.h"

#include <QDir>
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
    const QString path = m_dir.filePath(QString::fromStdString(relativePath));
    QDir().mkpath(QFileInfo(path).path());
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP"))
        throw std::runtime_error("cannot write " + path.toStdString());
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
