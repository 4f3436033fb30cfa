#include "zip/InflateStream.h"

#include "zip/ZipException.h"

CInflateStream::CInflateStream(CZipAllocationRecord& record, const char* path)
{
    m_stream.zalloc = &CZipAllocationRecord::Allocate;
    m_stream.zfree = &CZipAllocationRecord::Free;
    m_stream.opaque = &record;
    const int result = inflateInit2(&m_stream, -MAX_WBITS);
    if (result != Z_OK && result != Z_NEED_DICT)
        throw CZipException(CZipException::CauseFromZlib(result), path);
    m_bLive = true;
}

CInflateStream::~CInflateStream()
{
    if (m_bLive)
        inflateEnd(&m_stream);
}

void CInflateStream::SetInput(const std::uint8_t* data, std::size_t n)
{
    // zlib does not write through next_in; its type merely predates const.
    m_stream.next_in = const_cast<Bytef*>(data);
    m_stream.avail_in = static_cast<uInt>(n);
}

int CInflateStream::Inflate(std::uint8_t* out, std::size_t n, std::size_t& produced)
{
    m_stream.next_out = out;
    m_stream.avail_out = static_cast<uInt>(n);
    const int result = inflate(&m_stream, Z_SYNC_FLUSH);
    produced = n - m_stream.avail_out;
    return result;
}
