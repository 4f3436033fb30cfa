// Extracts every archive of the reader's table as the package step does
// (Open, ExtractEntry for each entry with chunks of 65535 bytes until one
// raises, Close(true)) and compares the outcome of each entry and the
// files on disk with the table.

#include "tests/support/ZipWriter.h"
#include "tests/zip/FileTree.h"
#include "tests/zip/ReaderCases.h"
#include "tests/zip/ScratchFolder.h"
#include "zip/FileException.h"
#include "zip/ZipException.h"
#include "zip/ZipReader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <zlib.h>

namespace {

std::string Describe(const TreeItem& item, const ExpectedFile& checks)
{
    std::string s = item.kind == TreeItem::Folder ? "folder" : item.kind == TreeItem::File ? "file" : "other";
    if (item.kind == TreeItem::File) {
        const auto crc = crc32(0, reinterpret_cast<const Bytef*>(item.content.data()), static_cast<uInt>(item.content.size()));
        s += " of " + std::to_string(item.content.size()) + " bytes, crc " + std::to_string(crc);
    }
    if (checks.mode != 0)
        s += ", mode 0" + std::to_string((item.mode >> 6) & 7) + std::to_string((item.mode >> 3) & 7) + std::to_string(item.mode & 7);
    if (checks.mtime != 0)
        s += ", mtime " + std::to_string(item.mtime);
    return s;
}

std::string Describe(const ExpectedFile& file)
{
    const bool folder = file.path.ends_with('/');
    const TreeItem item { folder ? TreeItem::Folder : TreeItem::File, file.content, file.mode, file.mtime };
    return Describe(item, file);
}

std::string DescribeOutcome(const Outcome& o)
{
    switch (o.kind) {
    case Outcome::Extracted: return "extracted";
    case Outcome::NotExtracted: return "not extracted";
    case Outcome::Raised: return "raised cause " + std::to_string(o.cause);
    case Outcome::FileError: return "file error";
    }
    return "?";
}

std::vector<std::string> Describe(const std::vector<Outcome>& outcomes)
{
    std::vector<std::string> all;
    for (const Outcome& o : outcomes)
        all.push_back(DescribeOutcome(o));
    return all;
}

class ReaderTableTest : public ::testing::TestWithParam<ReaderCase> {
protected:
    static void SetUpTestSuite()
    {
        // Expected modes and times are written for these.
        ::umask(022);
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
};

TEST_P(ReaderTableTest, ExtractsAsTheTableSays)
{
    const ReaderCase& c = GetParam();
    const ArchiveFiles archive = c.make();
    ScratchFolder scratch;
    const std::string archivePath = scratch / "archive.zip";
    ZipWriter::WriteFile(archivePath, archive.archive);
    for (std::size_t i = 0; i < archive.volumesBefore.size(); ++i) {
        const std::string number = std::to_string(i);
        if (!archive.volumesBefore[i].empty())
            ZipWriter::WriteFile(scratch / ("archive." + std::string(3 - std::min<std::size_t>(3, number.size()), '0') + number), archive.volumesBefore[i]);
    }
    const std::string out = scratch / "out";
    std::filesystem::create_directory(out);

    CZipReader zip;
    std::vector<Outcome> outcomes;
    try {
        zip.Open(archivePath, 0, 0);
        EXPECT_EQ(c.openCause, 0) << "Open succeeded";
        for (int i = 0; i < zip.GetEntryCount(); ++i) {
            try {
                outcomes.push_back(zip.ExtractEntry(static_cast<std::uint16_t>(i), out + "/dest", true, 65535) ? Outcome { Outcome::Extracted } : Outcome { Outcome::NotExtracted });
            } catch (const CZipException& e) {
                outcomes.push_back({ Outcome::Raised, e.m_nCause });
                break;
            } catch (const CFileException&) {
                outcomes.push_back({ Outcome::FileError });
                break;
            }
        }
    } catch (const CZipException& e) {
        EXPECT_EQ(e.m_nCause, c.openCause) << e.what();
        EXPECT_EQ(e.m_strPath, archivePath);
    }
    zip.Close(true);
    EXPECT_TRUE(zip.IsClosed() && zip.IsClosed(false));
    EXPECT_EQ(Describe(outcomes), Describe(c.outcomes));

    std::map<std::string, std::string> expected;
    for (const ExpectedFile& file : c.files)
        expected["dest/" + file.path] = Describe(file);
    std::map<std::string, std::string> actual;
    for (const auto& [path, item] : ReadTree(out)) {
        if (path == "dest/")
            continue;
        const auto checks = std::find_if(c.files.begin(), c.files.end(), [&](const ExpectedFile& f) { return "dest/" + f.path == path; });
        actual[path] = Describe(item, checks == c.files.end() ? ExpectedFile {} : *checks);
    }
    EXPECT_EQ(actual, expected);
}

std::string CaseName(const ::testing::TestParamInfo<ReaderCase>& info)
{
    std::string name;
    for (const char ch : info.param.name)
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
}

} // namespace

// Rows are named by CaseName; their bytes say nothing.
void PrintTo(const ReaderCase& c, std::ostream* os)
{
    *os << c.name;
}

namespace {

INSTANTIATE_TEST_SUITE_P(Archives, ReaderTableTest, ::testing::ValuesIn(ReaderCases()), CaseName);

} // namespace
