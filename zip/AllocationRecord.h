#pragma once

#include <cstddef>
#include <vector>

// The heap blocks that zlib obtained through the reader's allocation hooks
// and has not freed yet. An inflate stream abandoned half-way (an exception
// during extraction) is never ended, so the blocks it holds are freed from
// here instead; the record frees what it still holds when destroyed.
class CZipAllocationRecord {
public:
    CZipAllocationRecord() = default;
    ~CZipAllocationRecord();
    CZipAllocationRecord(const CZipAllocationRecord&) = delete;
    CZipAllocationRecord& operator=(const CZipAllocationRecord&) = delete;

    // zlib's zalloc and zfree, with the record as the opaque pointer. They
    // never throw: a block that cannot be had or recorded is reported to
    // zlib as a null block.
    static void* Allocate(void* record, unsigned items, unsigned size) noexcept;
    static void Free(void* record, void* block) noexcept;

    // Frees every recorded block, once, and empties the record.
    void FreeAll() noexcept;

    std::size_t BlockCount() const { return m_blocks.size(); }

private:
    std::vector<void*> m_blocks;
};
