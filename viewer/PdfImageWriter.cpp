#include "viewer/PdfImageWriter.h"

#include <algorithm>
#include <cstdio>
#include <zlib.h>

namespace {

std::string Format(const char* format, auto... values)
{
    char buffer[512];
    const int length = std::snprintf(buffer, sizeof buffer, format, values...);
    return std::string(buffer, static_cast<size_t>(std::max(length, 0)));
}

bool Deflate(std::span<const uint8_t> data, std::string& out)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    out.resize(size);
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, data.data(), static_cast<uLong>(data.size()), 6) != Z_OK)
        return false;
    out.resize(size);
    return true;
}

} // namespace

CPdfImageWriter::CPdfImageWriter(Sink sink)
    : m_sink(std::move(sink))
{
    // The binary comment line tells transfer tools that the file is binary.
    Write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

bool CPdfImageWriter::Write(std::string_view bytes)
{
    if (m_ok && !m_sink(bytes))
        m_ok = false;
    m_offset += bytes.size();
    return m_ok;
}

int CPdfImageWriter::BeginObject()
{
    // Object 1 is the catalogue and 2 the page tree, written last.
    if (m_objectOffsets.size() < 2)
        m_objectOffsets.resize(2, 0);
    m_objectOffsets.push_back(m_offset);
    const int object = static_cast<int>(m_objectOffsets.size());
    Write(Format("%d 0 obj\n", object));
    return object;
}

bool CPdfImageWriter::WriteStream(std::string_view dictionary, std::span<const uint8_t> data)
{
    std::string packed;
    if (!Deflate(data, packed)) {
        m_ok = false;
        return false;
    }
    Write(Format("<< %.*s /Filter /FlateDecode /Length %zu >>\nstream\n", static_cast<int>(dictionary.size()),
                 dictionary.data(), packed.size()));
    Write(packed);
    return Write("\nendstream\nendobj\n");
}

bool CPdfImageWriter::AddPage(int width, int height, std::span<const uint8_t> rgb, std::span<const uint8_t> alpha,
                              double widthPoints, double heightPoints)
{
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    if (width <= 0 || height <= 0 || rgb.size() != pixels * 3 || (!alpha.empty() && alpha.size() != pixels)) {
        m_ok = false;
        return false;
    }
    int mask = 0;
    if (!alpha.empty()) {
        mask = BeginObject();
        WriteStream(Format("/Type /XObject /Subtype /Image /Width %d /Height %d /ColorSpace /DeviceGray "
                                 "/BitsPerComponent 8", width, height), alpha);
    }
    const int image = BeginObject();
    const std::string maskEntry = mask ? Format(" /SMask %d 0 R", mask) : std::string();
    WriteStream(Format("/Type /XObject /Subtype /Image /Width %d /Height %d /ColorSpace /DeviceRGB "
                              "/BitsPerComponent 8%s", width, height, maskEntry.c_str()), rgb);

    const std::string drawing = Format("q %.4f 0 0 %.4f 0 0 cm /Im0 Do Q\n", widthPoints, heightPoints);
    const int contents = BeginObject();
    WriteStream("", {reinterpret_cast<const uint8_t*>(drawing.data()), drawing.size()});

    const int page = BeginObject();
    Write(Format("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %.4f %.4f] /Resources << /XObject << /Im0 %d 0 R >> >> "
                 "/Contents %d 0 R >>\nendobj\n", widthPoints, heightPoints, image, contents));
    m_pageObjects.push_back(page);
    return m_ok;
}

bool CPdfImageWriter::Finish()
{
    if (m_pageObjects.empty() || m_objectOffsets.size() < 2)
        return false;
    m_objectOffsets[1] = m_offset;
    std::string kids;
    for (int page : m_pageObjects)
        kids += Format("%d 0 R ", page);
    Write(Format("2 0 obj\n<< /Type /Pages /Count %zu /Kids [ ", m_pageObjects.size()) + kids + "] >>\nendobj\n");
    m_objectOffsets[0] = m_offset;
    Write("1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");

    const uint64_t xref = m_offset;
    Write(Format("xref\n0 %zu\n0000000000 65535 f \n", m_objectOffsets.size() + 1));
    for (uint64_t offset : m_objectOffsets)
        Write(Format("%010llu 00000 n \n", static_cast<unsigned long long>(offset)));
    Write(Format("trailer\n<< /Size %zu /Root 1 0 R >>\nstartxref\n%llu\n%%%%EOF\n", m_objectOffsets.size() + 1,
                 static_cast<unsigned long long>(xref)));
    return m_ok;
}
