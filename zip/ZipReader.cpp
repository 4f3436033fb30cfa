#include "zip/ZipReader.h"

#include "zip/CreateFolderPath.h"
#include "zip/EntryAttributes.h"
#include "zip/ExtractDestination.h"
#include "zip/OutputFile.h"
#include "zip/ZipException.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <zlib.h>

CZipReader::CZipReader() = default;

CZipReader::~CZipReader() = default;

void CZipReader::Open(const std::string& path, int openMode, int volumeSize)
{
    if (!IsClosed())
        return;
    if (openMode != 0 && openMode != 1)
        throw std::invalid_argument("CZipReader::Open: archives are only read (open mode 0 or 1)");
    m_entryState = EntryState::None;
    m_volumes.Open(path, volumeSize);
    m_directory.Clear();
    m_directory.ReadDirectory();
}

void CZipReader::Close(bool afterException)
{
    if (IsClosed() && (!afterException || IsClosed(false)))
        return;
    if (afterException)
        AbandonEntry();
    else if (m_entryState == EntryState::Reading)
        CloseEntry();
    GiveFoldersTheirAttributes();
    m_directory.Clear();
    m_volumes.Close();
}

bool CZipReader::IsClosed(bool archive) const
{
    return archive ? m_volumes.IsClosed() : m_volumes.IsFileClosed();
}

int CZipReader::GetEntryCount() const
{
    return static_cast<int>(m_directory.GetCount());
}

bool CZipReader::GetEntryInfo(std::uint16_t index, CZipEntryHeader& info) const
{
    if (IsClosed() || index >= m_directory.GetCount())
        return false;
    info = m_directory.GetEntry(index);
    return true;
}

bool CZipReader::IsEntryFolder(std::uint16_t index) const
{
    return !IsClosed() && index < m_directory.GetCount() && m_directory.GetEntry(index).IsFolder();
}

bool CZipReader::ExtractEntry(std::uint16_t index, const std::string& folder, bool keepPath, std::uint32_t chunkSize)
{
    if (chunkSize == 0)
        throw std::invalid_argument("CZipReader::ExtractEntry: the chunk size must be at least 1");
    CZipEntryHeader entry;
    if (!GetEntryInfo(index, entry))
        return false;
    const std::optional<std::string> destination = ExtractDestination(folder, entry.m_strFileName, keepPath);
    if (!destination)
        return false;

    if (entry.IsFolder()) {
        CreateFolderPath(*destination);
        m_pendingFolders.push_back({ *destination, std::move(entry) });
        return true;
    }

    if (!OpenEntry(index))
        return false;
    CreateFolderPath(ParentFolder(*destination));
    COutputFile file;
    file.Create(*destination);
    const auto chunk = std::make_unique_for_overwrite<std::uint8_t[]>(chunkSize);
    std::uint32_t got = 0;
    do {
        got = ReadEntry(chunk.get(), chunkSize);
        if (got > 0)
            file.Write(chunk.get(), got);
    } while (got == chunkSize);
    file.Close();
    return CloseEntry(*destination) == 1;
}

bool CZipReader::OpenEntry(std::uint16_t index)
{
    if (index >= m_directory.GetCount() || m_entryState != EntryState::None)
        return false;
    m_inputBuffer = std::make_unique_for_overwrite<std::uint8_t[]>(kInputBufferSize);
    const CZipEntryHeader& entry = m_directory.OpenEntry(index);
    // No password is ever given, so encrypted entries cannot be read.
    if (entry.IsEncrypted()) {
        m_directory.ReleaseEntry();
        m_inputBuffer.reset();
        return false;
    }
    const zipformat::CentralHeader& fields = entry.m_fields;
    // Stored data is copied byte for byte, so its two sizes must agree; a
    // pair that does not could never be read to its end.
    if (fields.method == zipformat::kMethodStored && fields.compressedSize != fields.uncompressedSize)
        m_volumes.ThrowDamaged();
    if (fields.method == zipformat::kMethodDeflated)
        m_inflate = std::make_unique<CInflateStream>(m_allocations, ArchivePath().c_str());

    m_nCompressedLeft = fields.compressedSize;
    m_nUncompressedLeft = fields.uncompressedSize;
    m_nCrc = 0;
    m_input = {};
    m_entryState = EntryState::Reading;
    return true;
}

void CZipReader::FillInput()
{
    const auto n = static_cast<std::uint32_t>(std::min<std::size_t>(kInputBufferSize, m_nCompressedLeft));
    // Entry data may run on into the next volume.
    m_volumes.CheckedRead(m_inputBuffer.get(), n, CZipVolumes::ReadWhole::No);
    m_nCompressedLeft -= n;
    m_input = std::span<const std::uint8_t>(m_inputBuffer.get(), n);
}

std::uint32_t CZipReader::Deliver(std::span<const std::uint8_t> bytes)
{
    const auto n = static_cast<std::uint32_t>(bytes.size());
    m_nCrc = static_cast<std::uint32_t>(crc32(m_nCrc, bytes.data(), n));
    m_nUncompressedLeft -= n;
    return n;
}

std::uint32_t CZipReader::ReadEntry(void* buffer, std::uint32_t n)
{
    if (m_entryState != EntryState::Reading || buffer == nullptr || n == 0)
        return 0;
    auto* out = static_cast<std::uint8_t*>(buffer);
    // Never more than the declared size, however much data follows.
    std::uint32_t space = std::min(n, m_nUncompressedLeft);
    // With the whole declared size delivered, the rest of the compressed data
    // is still fed to the decoder so that the entry is read to its end.
    const bool force = space == 0 && m_nCompressedLeft > 0;
    std::uint32_t delivered = 0;
    while (space > 0 || (force && m_nCompressedLeft > 0)) {
        if (m_input.empty() && m_nCompressedLeft > 0)
            FillInput();
        std::uint32_t produced = 0;
        if (!m_inflate) {
            const std::size_t m = std::min<std::size_t>(space, m_input.size());
            std::memcpy(out, m_input.data(), m);
            produced = Deliver(std::span(out, m));
            m_input = m_input.subspan(m);
        } else {
            m_inflate->SetInput(m_input.data(), m_input.size());
            std::size_t inflated = 0;
            const int result = m_inflate->Inflate(out, space, inflated);
            m_input = m_input.last(m_inflate->AvailableInput());
            produced = Deliver(std::span(out, inflated));
            if (result == Z_STREAM_END)
                return delivered + produced;
            if (result != Z_OK && result != Z_NEED_DICT)
                throw CZipException(CZipException::CauseFromZlib(result), ArchivePath());
        }
        out += produced;
        space -= produced;
        delivered += produced;
    }
    return delivered;
}

int CZipReader::CloseEntry(const std::string& path)
{
    if (m_entryState != EntryState::Reading)
        return 0;
    const CZipEntryHeader& entry = m_directory.GetOpenedEntry();
    int result = 1;
    if (m_nUncompressedLeft > 0)
        result = -1;
    else if (m_nCrc != entry.m_fields.crc32)
        throw CZipException(CZipException::causeCrcMismatch, ArchivePath());
    if (!path.empty()) {
        if (!SetEntryTime(path, entry))
            result = 0;
        else if (!SetEntryAttributes(path, entry))
            result = -2;
    }
    m_directory.CloseEntry();
    // Ended only now: an entry whose descriptor failed stays whole for
    // Close(true) to abandon.
    m_inflate.reset();
    m_entryState = EntryState::None;
    m_inputBuffer.reset();
    m_input = {};
    m_allocations.FreeAll();
    return result;
}

void CZipReader::AbandonEntry()
{
    if (m_inflate) {
        m_inflate->Abandon();
        m_inflate.reset();
    }
    m_allocations.FreeAll();
    m_inputBuffer.reset();
    m_input = {};
    m_entryState = EntryState::None;
    m_directory.ReleaseEntry();
}

void CZipReader::GiveFoldersTheirAttributes()
{
    // Only now is every folder filled (which also changed its time). Deepest
    // first, so that a folder closed to writing is never needed afterwards.
    std::stable_sort(m_pendingFolders.begin(), m_pendingFolders.end(), [](const PendingFolder& a, const PendingFolder& b) {
        return std::count(a.path.begin(), a.path.end(), '/') > std::count(b.path.begin(), b.path.end(), '/');
    });
    for (const PendingFolder& folder : m_pendingFolders) {
        SetEntryTime(folder.path, folder.entry);
        SetEntryAttributes(folder.path, folder.entry);
    }
    m_pendingFolders.clear();
}

const std::string& CZipReader::ArchivePath() const
{
    return m_volumes.GetFilePath();
}
