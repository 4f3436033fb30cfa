#pragma once

#include <QString>
#include <cstdarg>
#include <memory>
#include <tiffio.h>

class QIODevice;

// Owns one TIFF* and keeps libtiff's error messages for it (instead of
// libtiff's default of printing them), with the per-allocation limit that
// stops a lying header from claiming unbounded memory.
class CTiffFile {
public:
    // Nothing, with `error` set, when the file does not open as a TIFF.
    static std::unique_ptr<CTiffFile> OpenForReading(const QString& path, QString& error);
    // Writes to an open, seekable device (the temporary file of a save).
    // Raw copies keep their source's layout: BigTIFF for outputs that may
    // pass 4 GiB, and its byte order, which uncompressed 16-bit samples
    // carry in their raw bytes.
    struct Layout {
        bool bigTiff = false;
        bool bigEndian = false;
    };
    static std::unique_ptr<CTiffFile> OpenForWriting(QIODevice& device, Layout layout, QString& error);

    CTiffFile(const CTiffFile&) = delete;
    CTiffFile& operator=(const CTiffFile&) = delete;
    ~CTiffFile();

    TIFF* Get() const { return m_tiff; }
    // The first error libtiff reported since the last call, or `fallback`.
    QString TakeError(const QString& fallback);
    // Flushes and closes; false when the final writes failed.
    bool Close();

private:
    CTiffFile() = default;
    bool Open(const char* name, const char* mode, QIODevice* device);
    static int OnError(TIFF*, void* self, const char* module, const char* format, va_list args);

    TIFF* m_tiff = nullptr;
    QString m_error;
};
