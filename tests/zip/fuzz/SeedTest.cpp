// Runs the fuzz target over its seed corpus, the archives of the reader's
// table, with the ordinary build: each must pass through it without a crash
// or an escaping file.

#include "tests/zip/ReaderCases.h"

#include <gtest/gtest.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

TEST(ZipFuzzSeeds, EverySeedPassesTheTarget)
{
    for (const ReaderCase& c : ReaderCases()) {
        SCOPED_TRACE(c.name);
        const std::vector<std::uint8_t> bytes = c.make().archive;
        EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0);
    }
}
