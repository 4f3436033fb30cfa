#pragma once

#include "zip/AllocationRecord.h"

#include <cstddef>
#include <cstdint>
#include <zlib.h>

// A raw inflate stream (no zlib header or trailer) whose memory comes from
// an allocation record. Ended when destroyed unless it was abandoned.
class CInflateStream {
public:
    // Starts the stream; a zlib result other than Z_OK or Z_NEED_DICT raises
    // the matching CZipException for `path`.
    CInflateStream(CZipAllocationRecord& record, const char* path);
    ~CInflateStream();
    CInflateStream(const CInflateStream&) = delete;
    CInflateStream& operator=(const CInflateStream&) = delete;

    void SetInput(const std::uint8_t* data, std::size_t n);
    std::size_t AvailableInput() const { return m_stream.avail_in; }

    // Inflates into `out` with Z_SYNC_FLUSH; `produced` is the bytes written
    // there. Returns zlib's result.
    int Inflate(std::uint8_t* out, std::size_t n, std::size_t& produced);

    // Forgets the stream without ending it: its blocks are freed by the
    // allocation record.
    void Abandon() { m_bLive = false; }

private:
    z_stream m_stream {};
    bool m_bLive = false;
};
