#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The records of the PKWARE ZIP format that the reader decodes, and their
// constants. Every record is decoded from bytes already read in full, through
// the bounds-checked cursor.
namespace zipformat {

constexpr std::uint32_t kLocalHeaderSignature = 0x04034b50;   // "PK\x03\x04"
constexpr std::uint32_t kCentralHeaderSignature = 0x02014b50; // "PK\x01\x02"
constexpr std::uint32_t kEndRecordSignature = 0x06054b50;     // "PK\x05\x06"
constexpr std::uint32_t kDescriptorSignature = 0x08074b50;    // "PK\x07\x08"
constexpr std::uint32_t kZip64LocatorSignature = 0x07064b50;  // "PK\x06\x07"

constexpr std::uint16_t kMethodStored = 0;
constexpr std::uint16_t kMethodDeflated = 8;

constexpr std::uint16_t kFlagEncrypted = 0x0001;
constexpr std::uint16_t kFlagDataDescriptor = 0x0008;
constexpr std::uint16_t kFlagUtf8Name = 0x0800;

constexpr std::uint32_t kDosReadOnly = 0x01;
constexpr std::uint32_t kDosFolder = 0x10;

// High byte of "version made by": the system whose attributes the upper 16
// bits of the external attributes hold.
constexpr std::uint8_t kMadeByUnix = 3;

constexpr std::uint16_t kZip64ExtraId = 0x0001;
constexpr std::size_t kZip64LocatorSize = 20;

// The end record can be followed by a comment of at most this many bytes.
constexpr std::size_t kMaxCommentLength = 65535;

struct EndRecord {
    static constexpr std::size_t kSize = 22;

    std::uint32_t signature = 0;
    std::uint16_t thisDisk = 0;
    std::uint16_t directoryDisk = 0;
    std::uint16_t entriesOnThisDisk = 0;
    std::uint16_t totalEntries = 0;
    std::uint32_t directorySize = 0;
    std::uint32_t directoryOffset = 0;
    std::uint16_t commentLength = 0;

    static EndRecord Decode(std::span<const std::uint8_t> bytes);
};

// The fixed part of a central directory file header; the name, extra field
// and comment of the lengths given here follow it.
struct CentralHeader {
    static constexpr std::size_t kSize = 46;

    std::uint32_t signature = 0;
    std::uint16_t versionMadeBy = 0;
    std::uint16_t versionNeeded = 0;
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint16_t modTime = 0;
    std::uint16_t modDate = 0;
    std::uint32_t crc32 = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t uncompressedSize = 0;
    std::uint16_t nameLength = 0;
    std::uint16_t extraLength = 0;
    std::uint16_t commentLength = 0;
    std::uint16_t diskStart = 0;
    std::uint16_t internalAttributes = 0;
    std::uint32_t externalAttributes = 0;
    std::uint32_t localHeaderOffset = 0;

    static CentralHeader Decode(std::span<const std::uint8_t> bytes);
};

// The fixed part of a local file header; the name and extra field follow it.
struct LocalHeader {
    static constexpr std::size_t kSize = 30;

    std::uint32_t signature = 0;
    std::uint16_t versionNeeded = 0;
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint16_t modTime = 0;
    std::uint16_t modDate = 0;
    std::uint32_t crc32 = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t uncompressedSize = 0;
    std::uint16_t nameLength = 0;
    std::uint16_t extraLength = 0;

    static LocalHeader Decode(std::span<const std::uint8_t> bytes);
};

// A data descriptor without its optional signature.
struct DataDescriptor {
    static constexpr std::size_t kSize = 12;

    std::uint32_t crc32 = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t uncompressedSize = 0;

    static DataDescriptor Decode(std::span<const std::uint8_t> bytes);
};

// True when an extra field holds a ZIP64 block. A malformed extra field
// (a block running past its end) holds none.
bool HasZip64Block(std::span<const std::uint8_t> extraField);

} // namespace zipformat
