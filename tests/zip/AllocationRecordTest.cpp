// zlib's memory goes through the allocation record, so that a stream
// abandoned by an exception is still freed, exactly once.

#include "tests/support/ZipWriter.h"
#include "zip/AllocationRecord.h"
#include "zip/InflateStream.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(AllocationRecord, AnEndedStreamGivesItsBlocksBack)
{
    CZipAllocationRecord record;
    {
        CInflateStream stream(record, "test.zip");
        EXPECT_GT(record.BlockCount(), 0u);
    }
    EXPECT_EQ(record.BlockCount(), 0u);
}

TEST(AllocationRecord, AnAbandonedStreamIsFreedFromTheRecord)
{
    const std::string compressed = ZipWriter::Deflate(std::string(100000, 's'));
    CZipAllocationRecord record;
    {
        CInflateStream stream(record, "test.zip");
        stream.SetInput(reinterpret_cast<const std::uint8_t*>(compressed.data()), compressed.size() / 2);
        std::vector<std::uint8_t> out(1000);
        std::size_t produced = 0;
        EXPECT_EQ(stream.Inflate(out.data(), out.size(), produced), Z_OK);
        EXPECT_EQ(produced, out.size());
        stream.Abandon();
    }
    // The window and the state are still held; freeing them is the record's
    // job, and running under AddressSanitizer shows it is done once.
    EXPECT_GE(record.BlockCount(), 2u);
    record.FreeAll();
    EXPECT_EQ(record.BlockCount(), 0u);
}

} // namespace
