#pragma once

#include "zip/AllocationRecord.h"
#include "zip/InflateStream.h"
#include "zip/ZipDirectory.h"
#include "zip/ZipEntryHeader.h"
#include "zip/ZipVolumes.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

// Reads ZIP archives (stored and deflated entries, single files or numbered
// volume files) and extracts their entries into folders. Archives are only
// ever read.
//
// Failures of the archive raise CZipException with a cause; failures of the
// file system raise CFileException with the path and the system error; and
// running out of memory raises std::bad_alloc. After any of them, Close(true)
// releases whatever the failure left behind.
class CZipReader {
public:
    static constexpr std::size_t kInputBufferSize = 16384;

    CZipReader();
    ~CZipReader();
    CZipReader(const CZipReader&) = delete;
    CZipReader& operator=(const CZipReader&) = delete;

    // Opens the archive at `path` for reading and reads its central
    // directory. Open mode 0 and 1 both read (archives are never written);
    // other modes create archives and are refused. A volume size of 0 lets
    // the archive's end record tell whether it has volumes. Does nothing
    // unless the reader is closed.
    void Open(const std::string& path, int openMode = 0, int volumeSize = 0);

    // Closes the archive. With `afterException` it also abandons an entry
    // left open by a failure, and closes a file left open by a failed Open.
    // Folder entries get their permissions here, once their content is in.
    void Close(bool afterException = false);

    // Whole archive: no volume open. File: no archive file open.
    bool IsClosed(bool archive = true) const;

    int GetEntryCount() const;
    bool GetEntryInfo(std::uint16_t index, CZipEntryHeader& info) const;
    bool IsEntryFolder(std::uint16_t index) const;

    // Writes entry `index` below `folder`, through a buffer of `chunkSize`
    // bytes. True for a folder, and for a file written whole, checked, and
    // given its time and permissions. False, with nothing written, for an
    // encrypted entry, a bad index, or a name that would leave `folder`;
    // false with the file on disk when its data ended early or its time or
    // permissions could not be set.
    bool ExtractEntry(std::uint16_t index, const std::string& folder, bool keepPath = true,
                      std::uint32_t chunkSize = 65535);

    // Streaming one entry: OpenEntry, ReadEntry until it gives less than
    // asked, CloseEntry. OpenEntry is false for a bad index, an entry
    // already open or an encrypted entry. ReadEntry never delivers more than
    // the entry's declared size.
    bool OpenEntry(std::uint16_t index);
    std::uint32_t ReadEntry(void* buffer, std::uint32_t n);
    // Checks the CRC and the data descriptor and, with a path, gives that
    // file the entry's time and permissions. A failed check raises and
    // leaves the entry open for Close(true). 1 on success, -1 when the data
    // ended early, 0 when the time, -2 when the permissions could not be set;
    // 0 when no entry is open.
    int CloseEntry(const std::string& path = {});

    const std::vector<std::uint8_t>& GetComment() const { return m_directory.GetComment(); }

private:
    enum class EntryState { None, Reading };

    struct PendingFolder {
        std::string path;
        CZipEntryHeader entry;
    };

    void FillInput();
    std::uint32_t Deliver(std::span<const std::uint8_t> bytes);
    void AbandonEntry();
    void GiveFoldersTheirAttributes();
    const std::string& ArchivePath() const;

    CZipVolumes m_volumes;
    CZipDirectory m_directory { m_volumes };
    EntryState m_entryState = EntryState::None;
    std::uint32_t m_nCompressedLeft = 0;
    std::uint32_t m_nUncompressedLeft = 0;
    std::uint32_t m_nCrc = 0;
    std::unique_ptr<std::uint8_t[]> m_inputBuffer;
    std::span<const std::uint8_t> m_input;
    // Declared before the stream, which frees its blocks through it.
    CZipAllocationRecord m_allocations;
    std::unique_ptr<CInflateStream> m_inflate;
    std::vector<PendingFolder> m_pendingFolders;
};
