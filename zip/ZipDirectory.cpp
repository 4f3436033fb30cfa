#include "zip/ZipDirectory.h"

#include "zip/ByteCursor.h"
#include "zip/ZipException.h"
#include "zip/ZipVolumes.h"

#include <algorithm>
#include <array>
#include <cstring>

using namespace zipformat;

namespace {

std::uint32_t Le32(const std::uint8_t* bytes)
{
    return CByteCursor(std::span(bytes, 4)).U32();
}

} // namespace

void CZipDirectory::Clear()
{
    m_endRecord = {};
    m_comment.clear();
    m_nEndRecordPosition = 0;
    m_nBytesBeforeArchive = 0;
    m_entries.clear();
    m_nOpenedEntry.reset();
    m_localExtraField.clear();
}

std::uint64_t CZipDirectory::LocateEndRecord()
{
    CZipBigFile& file = m_volumes.File();
    const std::uint64_t length = file.GetLength();
    const std::uint64_t searched = std::min<std::uint64_t>(length, EndRecord::kSize + kMaxCommentLength);
    if (searched == 0)
        throw CZipException(CZipException::causeNoEndRecord, file.GetFilePath());

    std::array<std::uint8_t, kSearchBufferSize> window;
    std::uint64_t scanned = 0;
    std::uint64_t end = 0;
    // Windows run backwards from the end of the file, each scanned backwards,
    // so the signature nearest to the end wins. Each overlaps the one before
    // by 3 bytes so that a signature cut by a window edge is still seen.
    while (end < searched) {
        end = std::min<std::uint64_t>(scanned + kSearchBufferSize, searched);
        const auto n = static_cast<std::size_t>(end - scanned);
        file.Seek(-static_cast<std::int64_t>(end), CZipBigFile::SeekFrom::End);
        if (file.Read(window.data(), n) != n)
            m_volumes.ThrowDamaged();
        for (std::size_t i = n >= 4 ? n - 4 + 1 : 0; i-- > 0;) {
            if (Le32(&window[i]) == kEndRecordSignature)
                return length - end + i;
        }
        scanned = end - 3;
    }
    throw CZipException(CZipException::causeNoEndRecord, file.GetFilePath());
}

bool CZipDirectory::HasZip64Locator(std::uint64_t endRecordPosition)
{
    if (endRecordPosition < kZip64LocatorSize)
        return false;
    CZipBigFile& file = m_volumes.File();
    file.Seek(static_cast<std::int64_t>(endRecordPosition - kZip64LocatorSize), CZipBigFile::SeekFrom::Begin);
    std::array<std::uint8_t, 4> signature;
    return file.Read(signature.data(), signature.size()) == signature.size()
        && Le32(signature.data()) == kZip64LocatorSignature;
}

void CZipDirectory::ReadDirectory()
{
    CZipBigFile& file = m_volumes.File();
    const std::uint64_t position = LocateEndRecord();
    m_nEndRecordPosition = position;

    // ZIP64 archives keep their real sizes and offsets in records that this
    // reader does not read; the 32-bit values in front of them would mislead.
    if (HasZip64Locator(position))
        m_volumes.ThrowDamaged();

    file.Seek(static_cast<std::int64_t>(position), CZipBigFile::SeekFrom::Begin);
    std::array<std::uint8_t, EndRecord::kSize> raw;
    if (file.Read(raw.data(), raw.size()) != raw.size())
        m_volumes.ThrowDamaged();
    m_endRecord = EndRecord::Decode(raw);

    m_volumes.DecideVolumeMode(m_endRecord.thisDisk);
    const bool singleFile = m_volumes.GetVolumeMode() == CZipVolumes::modeSingleFile;
    const std::uint64_t directoryEnd = std::uint64_t { m_endRecord.directoryOffset } + m_endRecord.directorySize;
    if (singleFile && position < directoryEnd)
        m_volumes.ThrowDamaged();

    if (m_endRecord.commentLength > 0 && !file.ReadExactly(m_comment, m_endRecord.commentLength))
        m_volumes.ThrowDamaged();

    // Data in front of the archive (a program stub, say) shifts every stored
    // offset by its size.
    m_nBytesBeforeArchive = singleFile ? position - directoryEnd : 0;

    if ((m_endRecord.directorySize == 0) != (m_endRecord.totalEntries == 0))
        m_volumes.ThrowDamaged();
    // A count that the directory cannot hold is refused before anything is
    // allocated for it.
    if (std::uint64_t { m_endRecord.totalEntries } * CentralHeader::kSize > m_endRecord.directorySize)
        m_volumes.ThrowDamaged();

    m_volumes.ChangeVolume(m_endRecord.directoryDisk);
    if (m_endRecord.directorySize == 0)
        return;
    file.Seek(static_cast<std::int64_t>(m_endRecord.directoryOffset + m_nBytesBeforeArchive), CZipBigFile::SeekFrom::Begin);
    m_entries.clear();
    m_entries.reserve(m_endRecord.totalEntries);
    for (std::uint16_t i = 0; i < m_endRecord.totalEntries; ++i) {
        ReadEntryHeader(m_entries.emplace_back());
        // In a single file the whole directory lies in front of the end record.
        if (singleFile && file.GetPosition() > position)
            m_volumes.ThrowDamaged();
    }
}

void CZipDirectory::ReadEntryHeader(CZipEntryHeader& entry)
{
    std::array<std::uint8_t, CentralHeader::kSize> fixed;
    m_volumes.CheckedRead(fixed.data(), fixed.size(), CZipVolumes::ReadWhole::AtOnce);
    entry.m_fields = CentralHeader::Decode(fixed);
    if (entry.m_fields.signature != kCentralHeaderSignature)
        m_volumes.ThrowDamaged();

    CZipBigFile& file = m_volumes.File();
    std::vector<std::uint8_t> storedName;
    if (!file.ReadExactly(storedName, entry.m_fields.nameLength)
        || !file.ReadExactly(entry.m_extraField, entry.m_fields.extraLength)
        || !file.ReadExactly(entry.m_comment, entry.m_fields.commentLength))
        m_volumes.ThrowDamaged();
    if (HasZip64Block(entry.m_extraField))
        m_volumes.ThrowDamaged();
    entry.m_strFileName = CZipEntryHeader::ConvertName(storedName, entry.m_fields);
}

void CZipDirectory::CheckLocalHeader(const LocalHeader& local, const CZipEntryHeader& central) const
{
    const CentralHeader& c = central.m_fields;
    const bool matches = local.signature == kLocalHeaderSignature
        && local.flags == c.flags
        && local.method == c.method
        && (c.method == kMethodStored || c.method == kMethodDeflated)
        && local.nameLength == c.nameLength
        && (central.HasDataDescriptor()
            || (local.crc32 == c.crc32 && local.compressedSize == c.compressedSize
                && local.uncompressedSize == c.uncompressedSize));
    if (!matches)
        m_volumes.ThrowDamaged();
}

const CZipEntryHeader& CZipDirectory::OpenEntry(std::size_t index)
{
    const CZipEntryHeader& entry = m_entries[index];
    m_nOpenedEntry = index;
    m_volumes.ChangeVolume(entry.m_fields.diskStart);

    CZipBigFile& file = m_volumes.File();
    file.Seek(static_cast<std::int64_t>(entry.m_fields.localHeaderOffset + m_nBytesBeforeArchive), CZipBigFile::SeekFrom::Begin);
    std::array<std::uint8_t, LocalHeader::kSize> fixed;
    m_volumes.CheckedRead(fixed.data(), fixed.size(), CZipVolumes::ReadWhole::AtOnce);
    const LocalHeader local = LocalHeader::Decode(fixed);
    CheckLocalHeader(local, entry);
    file.Seek(local.nameLength, CZipBigFile::SeekFrom::Current);

    // The extra field must lie whole on the volume of its header.
    if (!file.ReadExactly(m_localExtraField, local.extraLength) || HasZip64Block(m_localExtraField))
        m_volumes.ThrowDamaged();

    // In a single file the data must end inside the file; a length that runs
    // past it is refused before anything is written.
    if (m_volumes.GetVolumeMode() == CZipVolumes::modeSingleFile
        && file.GetPosition() + entry.m_fields.compressedSize > file.GetLength())
        m_volumes.ThrowDamaged();
    return entry;
}

void CZipDirectory::CloseEntry()
{
    const CZipEntryHeader& entry = GetOpenedEntry();
    if (entry.HasDataDescriptor()) {
        // The descriptor's signature is optional; without it the 12 bytes of
        // CRC and sizes start right away.
        std::array<std::uint8_t, 4> signature;
        m_volumes.CheckedRead(signature.data(), signature.size(), CZipVolumes::ReadWhole::No);
        if (Le32(signature.data()) != kDescriptorSignature)
            m_volumes.File().Seek(-4, CZipBigFile::SeekFrom::Current);
        std::array<std::uint8_t, DataDescriptor::kSize> raw;
        m_volumes.CheckedRead(raw.data(), raw.size(), CZipVolumes::ReadWhole::No);
        const DataDescriptor descriptor = DataDescriptor::Decode(raw);
        if (descriptor.crc32 != entry.m_fields.crc32 || descriptor.compressedSize != entry.m_fields.compressedSize
            || descriptor.uncompressedSize != entry.m_fields.uncompressedSize)
            m_volumes.ThrowDamaged();
    }
    ReleaseEntry();
}

void CZipDirectory::ReleaseEntry()
{
    m_localExtraField.clear();
    m_nOpenedEntry.reset();
}
