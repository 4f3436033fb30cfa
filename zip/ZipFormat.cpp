#include "zip/ZipFormat.h"

#include "zip/ByteCursor.h"

namespace zipformat {

EndRecord EndRecord::Decode(std::span<const std::uint8_t> bytes)
{
    CByteCursor in(bytes);
    EndRecord r;
    r.signature = in.U32();
    r.thisDisk = in.U16();
    r.directoryDisk = in.U16();
    r.entriesOnThisDisk = in.U16();
    r.totalEntries = in.U16();
    r.directorySize = in.U32();
    r.directoryOffset = in.U32();
    r.commentLength = in.U16();
    return r;
}

CentralHeader CentralHeader::Decode(std::span<const std::uint8_t> bytes)
{
    CByteCursor in(bytes);
    CentralHeader h;
    h.signature = in.U32();
    h.versionMadeBy = in.U16();
    h.versionNeeded = in.U16();
    h.flags = in.U16();
    h.method = in.U16();
    h.modTime = in.U16();
    h.modDate = in.U16();
    h.crc32 = in.U32();
    h.compressedSize = in.U32();
    h.uncompressedSize = in.U32();
    h.nameLength = in.U16();
    h.extraLength = in.U16();
    h.commentLength = in.U16();
    h.diskStart = in.U16();
    h.internalAttributes = in.U16();
    h.externalAttributes = in.U32();
    h.localHeaderOffset = in.U32();
    return h;
}

LocalHeader LocalHeader::Decode(std::span<const std::uint8_t> bytes)
{
    CByteCursor in(bytes);
    LocalHeader h;
    h.signature = in.U32();
    h.versionNeeded = in.U16();
    h.flags = in.U16();
    h.method = in.U16();
    h.modTime = in.U16();
    h.modDate = in.U16();
    h.crc32 = in.U32();
    h.compressedSize = in.U32();
    h.uncompressedSize = in.U32();
    h.nameLength = in.U16();
    h.extraLength = in.U16();
    return h;
}

DataDescriptor DataDescriptor::Decode(std::span<const std::uint8_t> bytes)
{
    CByteCursor in(bytes);
    DataDescriptor d;
    d.crc32 = in.U32();
    d.compressedSize = in.U32();
    d.uncompressedSize = in.U32();
    return d;
}

bool HasZip64Block(std::span<const std::uint8_t> extraField)
{
    CByteCursor in(extraField);
    while (in.Remaining() >= 4) {
        const std::uint16_t id = in.U16();
        const std::uint16_t length = in.U16();
        if (length > in.Remaining())
            return false;
        if (id == kZip64ExtraId)
            return true;
        in.Take(length);
    }
    return false;
}

} // namespace zipformat
