#include "viewer/TiffFile.h"

#include "viewer/DecodeLimits.h"

#include <QFile>
#include <QIODevice>
#include <cstdio>

namespace {

QIODevice* DeviceOf(thandle_t handle)
{
    return static_cast<QIODevice*>(handle);
}

tmsize_t ReadDevice(thandle_t handle, void* data, tmsize_t size)
{
    return DeviceOf(handle)->read(static_cast<char*>(data), size);
}

tmsize_t WriteDevice(thandle_t handle, void* data, tmsize_t size)
{
    return DeviceOf(handle)->write(static_cast<const char*>(data), size);
}

toff_t SeekDevice(thandle_t handle, toff_t offset, int whence)
{
    QIODevice* device = DeviceOf(handle);
    const qint64 base = whence == SEEK_CUR ? device->pos() : whence == SEEK_END ? device->size() : 0;
    const qint64 position = base + static_cast<qint64>(offset);
    if (position < 0 || !device->seek(position))
        return static_cast<toff_t>(-1);
    return static_cast<toff_t>(position);
}

int CloseDevice(thandle_t)
{
    return 0;  // the device belongs to the caller
}

toff_t DeviceSize(thandle_t handle)
{
    return static_cast<toff_t>(DeviceOf(handle)->size());
}

int MapNothing(thandle_t, void**, toff_t*)
{
    return 0;
}

void UnmapNothing(thandle_t, void*, toff_t) { }

int IgnoreWarning(TIFF*, void*, const char*, const char*, va_list)
{
    return 1;
}

} // namespace

int CTiffFile::OnError(TIFF*, void* self, const char*, const char* format, va_list args)
{
    auto* file = static_cast<CTiffFile*>(self);
    if (file->m_error.isEmpty()) {
        char text[512];
        std::vsnprintf(text, sizeof text, format, args);
        file->m_error = QString::fromLocal8Bit(text);
    }
    return 1;
}

bool CTiffFile::Open(const char* name, const char* mode, QIODevice* device)
{
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, DecodeLimits::kMaxBytes);
    TIFFOpenOptionsSetErrorHandlerExtR(options, &CTiffFile::OnError, this);
    TIFFOpenOptionsSetWarningHandlerExtR(options, &IgnoreWarning, nullptr);
    if (device) {
        m_tiff = TIFFClientOpenExt(name, mode, device, ReadDevice, WriteDevice, SeekDevice, CloseDevice, DeviceSize,
                                   MapNothing, UnmapNothing, options);
    } else {
        m_tiff = TIFFOpenExt(name, mode, options);
    }
    TIFFOpenOptionsFree(options);
    return m_tiff != nullptr;
}

std::unique_ptr<CTiffFile> CTiffFile::OpenForReading(const QString& path, QString& error)
{
    std::unique_ptr<CTiffFile> file(new CTiffFile);
    // No memory mapping: a file truncated by another program while it is
    // shown must give a read error, not a bus error.
    if (!file->Open(QFile::encodeName(path).constData(), "rm", nullptr)) {
        error = file->TakeError(QStringLiteral("not a readable TIFF file"));
        return nullptr;
    }
    return file;
}

std::unique_ptr<CTiffFile> CTiffFile::OpenForWriting(QIODevice& device, Layout layout, QString& error)
{
    std::unique_ptr<CTiffFile> file(new CTiffFile);
    const char* mode = layout.bigTiff ? (layout.bigEndian ? "w8b" : "w8l") : (layout.bigEndian ? "wb" : "wl");
    if (!file->Open("output", mode, &device)) {
        error = file->TakeError(QStringLiteral("cannot start a TIFF file"));
        return nullptr;
    }
    return file;
}

CTiffFile::~CTiffFile()
{
    Close();
}

QString CTiffFile::TakeError(const QString& fallback)
{
    QString error = m_error.isEmpty() ? fallback : m_error;
    m_error.clear();
    return error;
}

bool CTiffFile::Close()
{
    if (!m_tiff)
        return true;
    const bool flushed = TIFFFlush(m_tiff) == 1;
    TIFFClose(m_tiff);
    m_tiff = nullptr;
    return flushed && m_error.isEmpty();
}
