#pragma once

#include "zip/ZipEntryHeader.h"
#include "zip/ZipFormat.h"

#include <cstdint>
#include <optional>
#include <vector>

class CZipVolumes;

// The end record and the central directory of the open archive, and the
// local header and data descriptor of the entry being read.
class CZipDirectory {
public:
    explicit CZipDirectory(CZipVolumes& volumes) : m_volumes(volumes) {}

    // Forgets everything read; used before a directory is read and on Close.
    void Clear();

    // The file offset of the end record nearest to the end of the file.
    std::uint64_t LocateEndRecord();

    // Reads the end record and every central directory entry.
    void ReadDirectory();

    std::size_t GetCount() const { return m_entries.size(); }
    const CZipEntryHeader& GetEntry(std::size_t index) const { return m_entries[index]; }

    // Positions the archive at the data of entry `index` after checking its
    // local header against the central directory.
    const CZipEntryHeader& OpenEntry(std::size_t index);
    // Checks the data descriptor of the open entry, when it has one, and
    // forgets the entry.
    void CloseEntry();
    // Forgets the open entry without reading anything more.
    void ReleaseEntry();
    const CZipEntryHeader& GetOpenedEntry() const { return m_entries[*m_nOpenedEntry]; }

    const std::vector<std::uint8_t>& GetComment() const { return m_comment; }

private:
    static constexpr std::size_t kSearchBufferSize = 32768;

    void ReadEntryHeader(CZipEntryHeader& entry);
    bool HasZip64Locator(std::uint64_t endRecordPosition);
    void CheckLocalHeader(const zipformat::LocalHeader& local, const CZipEntryHeader& central) const;

    CZipVolumes& m_volumes;
    zipformat::EndRecord m_endRecord;
    std::vector<std::uint8_t> m_comment;
    std::uint64_t m_nEndRecordPosition = 0;
    std::uint64_t m_nBytesBeforeArchive = 0;
    std::vector<CZipEntryHeader> m_entries;
    std::optional<std::size_t> m_nOpenedEntry;
    std::vector<std::uint8_t> m_localExtraField;
};
