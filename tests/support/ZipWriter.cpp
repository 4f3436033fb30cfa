#include "tests/support/ZipWriter.h"

#include <fstream>
#include <stdexcept>
#include <zlib.h>

namespace {

constexpr std::uint16_t kFlagDataDescriptor = 0x0008;

class Bytes {
public:
    Bytes& U16(std::uint32_t v)
    {
        m_bytes.push_back(static_cast<std::uint8_t>(v));
        m_bytes.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    Bytes& U32(std::uint32_t v)
    {
        U16(v & 0xFFFF);
        return U16(v >> 16);
    }
    Bytes& Raw(const std::string& s)
    {
        m_bytes.insert(m_bytes.end(), s.begin(), s.end());
        return *this;
    }
    const std::vector<std::uint8_t>& Get() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

} // namespace

std::string ZipWriter::Deflate(const std::string& data)
{
    z_stream stream {};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("ZipWriter: deflateInit2 failed");
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        throw std::runtime_error("ZipWriter: deflate failed");
    out.resize(stream.total_out);
    return out;
}

namespace {

// Lays records and data out over volumes. Records (headers, descriptors, the
// end record) start a new volume when they do not fit what is left of the
// current one; data fills volumes to the brim.
class VolumeSink {
public:
    struct Position {
        std::uint16_t disk;
        std::uint32_t offset;
    };

    explicit VolumeSink(std::size_t volumeSize) : m_nVolumeSize(volumeSize), m_volumes(1) {}

    Position PlaceRecord(std::size_t n)
    {
        if (m_nVolumeSize != 0 && !m_volumes.back().empty() && m_volumes.back().size() + n > m_nVolumeSize)
            m_volumes.emplace_back();
        return Here();
    }

    void Record(const std::vector<std::uint8_t>& bytes)
    {
        PlaceRecord(bytes.size());
        Append(bytes.data(), bytes.size());
    }

    void Data(const std::string& data)
    {
        const auto* p = reinterpret_cast<const std::uint8_t*>(data.data());
        std::size_t n = data.size();
        while (n > 0) {
            if (m_nVolumeSize != 0 && m_volumes.back().size() >= m_nVolumeSize)
                m_volumes.emplace_back();
            const std::size_t room = m_nVolumeSize == 0 ? n : m_nVolumeSize - m_volumes.back().size();
            const std::size_t k = std::min(n, room);
            Append(p, k);
            p += k;
            n -= k;
        }
    }

    Position Here() const
    {
        return { static_cast<std::uint16_t>(m_volumes.size() - 1), static_cast<std::uint32_t>(m_volumes.back().size()) };
    }

    std::vector<std::vector<std::uint8_t>> Take() { return std::move(m_volumes); }

private:
    void Append(const std::uint8_t* p, std::size_t n) { m_volumes.back().insert(m_volumes.back().end(), p, p + n); }

    std::size_t m_nVolumeSize;
    std::vector<std::vector<std::uint8_t>> m_volumes;
};

struct Written {
    const ZipWriter::Entry* entry;
    std::uint16_t flags;
    std::uint32_t crc;
    std::uint32_t compressedSize;
    std::uint32_t uncompressedSize;
    VolumeSink::Position local;
};

std::vector<std::vector<std::uint8_t>> Lay(const std::vector<ZipWriter::Entry>& entries, const std::string& comment,
                                           std::size_t volumeSize)
{
    VolumeSink sink(volumeSize);
    std::vector<Written> written;
    for (const ZipWriter::Entry& e : entries) {
        const std::string stored = e.rawData ? *e.rawData : e.method == 8 ? ZipWriter::Deflate(e.data) : e.data;
        const std::uint32_t realCrc = static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(e.data.data()), static_cast<uInt>(e.data.size())));
        Written w { &e, e.flags, e.crc.value_or(realCrc),
                    e.compressedSize.value_or(static_cast<std::uint32_t>(stored.size())),
                    e.uncompressedSize.value_or(static_cast<std::uint32_t>(e.data.size())), {} };
        const bool descriptor = e.descriptor != ZipWriter::Descriptor::None;
        if (descriptor)
            w.flags |= kFlagDataDescriptor;

        Bytes local;
        local.U32(0x04034b50).U16(20).U16(w.flags).U16(e.method).U16(e.dosTime).U16(e.dosDate);
        if (descriptor)
            local.U32(0).U32(0).U32(0);
        else
            local.U32(w.crc).U32(w.compressedSize).U32(w.uncompressedSize);
        local.U16(static_cast<std::uint32_t>(e.name.size())).U16(static_cast<std::uint32_t>(e.extra.size()));
        local.Raw(e.name).Raw(e.extra);
        w.local = sink.PlaceRecord(local.Get().size());
        sink.Record(local.Get());
        sink.Data(stored);

        if (descriptor) {
            Bytes d;
            if (e.descriptor == ZipWriter::Descriptor::WithSignature)
                d.U32(0x08074b50);
            d.U32(w.crc).U32(w.compressedSize).U32(w.uncompressedSize);
            sink.Record(d.Get());
        }
        written.push_back(w);
    }

    std::optional<VolumeSink::Position> directoryStart;
    std::uint32_t directorySize = 0;
    for (const Written& w : written) {
        const ZipWriter::Entry& e = *w.entry;
        Bytes central;
        central.U32(0x02014b50).U16(e.versionMadeBy).U16(20).U16(w.flags).U16(e.method).U16(e.dosTime).U16(e.dosDate);
        central.U32(w.crc).U32(w.compressedSize).U32(w.uncompressedSize);
        central.U16(static_cast<std::uint32_t>(e.name.size())).U16(static_cast<std::uint32_t>(e.extra.size())).U16(0);
        central.U16(w.local.disk).U16(0).U32(e.externalAttributes).U32(w.local.offset);
        central.Raw(e.name).Raw(e.extra);
        const VolumeSink::Position at = sink.PlaceRecord(central.Get().size());
        if (!directoryStart)
            directoryStart = at;
        sink.Record(central.Get());
        directorySize += static_cast<std::uint32_t>(central.Get().size());
    }
    if (!directoryStart)
        directoryStart = sink.Here();

    const VolumeSink::Position end = sink.PlaceRecord(22 + comment.size());
    const auto count = static_cast<std::uint32_t>(written.size());
    Bytes record;
    record.U32(0x06054b50).U16(end.disk).U16(directoryStart->disk).U16(count).U16(count);
    record.U32(directorySize).U32(directoryStart->offset).U16(static_cast<std::uint32_t>(comment.size())).Raw(comment);
    sink.Record(record.Get());
    return sink.Take();
}

} // namespace

ZipWriter::Entry ZipWriter::Entry::File(std::string name, std::string data, std::uint16_t method)
{
    Entry e;
    e.name = std::move(name);
    e.data = std::move(data);
    e.method = method;
    return e;
}

ZipWriter::Entry ZipWriter::Entry::Folder(std::string name)
{
    Entry e;
    e.name = std::move(name);
    e.method = 0;
    e.externalAttributes = 0x10;
    return e;
}

void ZipWriter::Add(Entry entry)
{
    m_entries.push_back(std::move(entry));
}

void ZipWriter::SetComment(std::string comment)
{
    m_comment = std::move(comment);
}

void ZipWriter::SetPrefix(std::string prefix)
{
    m_prefix = std::move(prefix);
}

std::vector<std::uint8_t> ZipWriter::Finish() const
{
    std::vector<std::uint8_t> bytes(m_prefix.begin(), m_prefix.end());
    const std::vector<std::uint8_t> archive = Lay(m_entries, m_comment, 0).front();
    bytes.insert(bytes.end(), archive.begin(), archive.end());
    return bytes;
}

std::vector<std::vector<std::uint8_t>> ZipWriter::FinishVolumes(std::size_t volumeSize) const
{
    return Lay(m_entries, m_comment, volumeSize);
}

std::uint16_t ZipWriter::DosDate(int year, int month, int day)
{
    return static_cast<std::uint16_t>(((year - 1980) << 9) | (month << 5) | day);
}

std::uint16_t ZipWriter::DosTime(int hour, int minute, int second)
{
    return static_cast<std::uint16_t>((hour << 11) | (minute << 5) | (second / 2));
}

void ZipWriter::WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("ZipWriter: cannot write " + path);
}
