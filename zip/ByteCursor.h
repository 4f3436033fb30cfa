#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

// Reads little-endian fields from a byte span, refusing to step past its end.
// Records are decoded field by field through it, so no byte of an archive is
// ever reinterpreted as a struct.
class CByteCursor {
public:
    explicit CByteCursor(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::size_t Remaining() const { return m_bytes.size() - m_nPosition; }

    std::uint16_t U16()
    {
        const std::span<const std::uint8_t> b = Take(2);
        return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    }

    std::uint32_t U32()
    {
        const std::span<const std::uint8_t> b = Take(4);
        return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8)
            | (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    }

    std::span<const std::uint8_t> Take(std::size_t n)
    {
        if (n > Remaining())
            throw std::out_of_range("CByteCursor: read past the end of a record");
        const std::span<const std::uint8_t> taken = m_bytes.subspan(m_nPosition, n);
        m_nPosition += n;
        return taken;
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_nPosition = 0;
};
