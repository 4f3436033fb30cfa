#include "zip/AllocationRecord.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

CZipAllocationRecord::~CZipAllocationRecord()
{
    FreeAll();
}

void* CZipAllocationRecord::Allocate(void* record, unsigned items, unsigned size) noexcept
{
    if (size != 0 && items > std::numeric_limits<std::size_t>::max() / size)
        return nullptr;
    void* block = std::malloc(static_cast<std::size_t>(items) * size);
    if (block == nullptr)
        return nullptr;
    try {
        static_cast<CZipAllocationRecord*>(record)->m_blocks.push_back(block);
    } catch (...) {
        std::free(block);
        return nullptr;
    }
    return block;
}

void CZipAllocationRecord::Free(void* record, void* block) noexcept
{
    std::vector<void*>& blocks = static_cast<CZipAllocationRecord*>(record)->m_blocks;
    if (const auto it = std::find(blocks.begin(), blocks.end(), block); it != blocks.end())
        blocks.erase(it);
    std::free(block);
}

void CZipAllocationRecord::FreeAll() noexcept
{
    for (void* block : m_blocks)
        std::free(block);
    m_blocks.clear();
}
