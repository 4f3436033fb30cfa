#include "viewer/PdfImageWriter.h"

#include <gtest/gtest.h>
#include <regex>
#include <string>

namespace {

std::string WritePdf(int pages, bool alpha)
{
    std::string file;
    CPdfImageWriter writer([&file](std::string_view bytes) {
        file.append(bytes);
        return true;
    });
    const std::vector<uint8_t> rgb(4 * 3 * 3, 0x7F);
    const std::vector<uint8_t> mask(alpha ? 4 * 3 : 0, 0xFF);
    for (int page = 0; page < pages; ++page)
        EXPECT_TRUE(writer.AddPage(4, 3, rgb, mask, 3.0, 2.25));
    EXPECT_TRUE(writer.Finish());
    return file;
}

// Every cross-reference entry must point at its object's header, or readers
// fall back to repairing the file (or give up).
void ExpectConsistentCrossReferences(const std::string& file)
{
    const size_t startxref = file.rfind("startxref\n");
    ASSERT_NE(startxref, std::string::npos);
    const size_t xref = std::stoul(file.substr(startxref + 10));
    ASSERT_EQ(file.compare(xref, 5, "xref\n"), 0);
    std::smatch header;
    const std::string table = file.substr(xref);
    ASSERT_TRUE(std::regex_search(table, header, std::regex("xref\n0 (\\d+)\n")));
    const int count = std::stoi(header[1]);
    size_t entry = xref + static_cast<size_t>(header.length(0)) + 20;  // past the free entry
    for (int object = 1; object < count; ++object, entry += 20) {
        const size_t offset = std::stoul(file.substr(entry, 10));
        const std::string expected = std::to_string(object) + " 0 obj";
        EXPECT_EQ(file.compare(offset, expected.size(), expected), 0) << "object " << object;
    }
}

TEST(PdfImageWriter, CrossReferencesPointAtEveryObject)
{
    ExpectConsistentCrossReferences(WritePdf(1, false));
    ExpectConsistentCrossReferences(WritePdf(3, true));
}

TEST(PdfImageWriter, PagesAreListedAndPixelsStoredLosslessly)
{
    const std::string file = WritePdf(3, true);
    EXPECT_NE(file.find("/Count 3"), std::string::npos);
    EXPECT_NE(file.find("/SMask"), std::string::npos);
    EXPECT_NE(file.find("/FlateDecode"), std::string::npos);
    EXPECT_EQ(file.find("/DCTDecode"), std::string::npos);
    EXPECT_NE(file.find("/MediaBox [0 0 3.0000 2.2500]"), std::string::npos);
}

TEST(PdfImageWriter, RefusesPixelsThatDoNotMatchTheSizeAndEmptyDocuments)
{
    CPdfImageWriter writer([](std::string_view) { return true; });
    const std::vector<uint8_t> tooShort(5, 0);
    EXPECT_FALSE(writer.AddPage(4, 3, tooShort, {}, 3, 3));
    CPdfImageWriter empty([](std::string_view) { return true; });
    EXPECT_FALSE(empty.Finish());
    CPdfImageWriter failing([](std::string_view) { return false; });
    const std::vector<uint8_t> rgb(4 * 3 * 3, 0);
    EXPECT_FALSE(failing.AddPage(4, 3, rgb, {}, 3, 3));
}

} // namespace
