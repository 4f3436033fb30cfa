// The reader's states and the cleanup after failures, the streaming calls
// with every kind of chunk, and what the table of archives cannot show.

#include "tests/support/ZipWriter.h"
#include "tests/zip/FileTree.h"
#include "tests/zip/ScratchFolder.h"
#include "zip/FileException.h"
#include "zip/ZipException.h"
#include "zip/ZipReader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <sys/stat.h>

namespace {

using Entry = ZipWriter::Entry;

std::string Prose(std::size_t n)
{
    std::string s;
    for (std::size_t i = 0; s.size() < n; ++i)
        s += "line " + std::to_string(i * 7919 % 1000) + " of the skin\n";
    s.resize(n);
    return s;
}

std::string WriteArchive(const ScratchFolder& scratch, const std::string& name, std::vector<Entry> entries)
{
    ZipWriter w;
    for (Entry& e : entries)
        w.Add(std::move(e));
    const std::string path = scratch / name;
    ZipWriter::WriteFile(path, w.Finish());
    return path;
}

TEST(ZipReaderLifecycle, CloseOnANeverOpenedReaderDoesNothing)
{
    CZipReader zip;
    zip.Close(true);
    zip.Close(false);
    EXPECT_TRUE(zip.IsClosed());
    EXPECT_TRUE(zip.IsClosed(false));
    EXPECT_EQ(zip.GetEntryCount(), 0);
    CZipEntryHeader info;
    EXPECT_FALSE(zip.GetEntryInfo(0, info));
    EXPECT_FALSE(zip.IsEntryFolder(0));
    EXPECT_FALSE(zip.ExtractEntry(0, "/nonexistent"));
}

TEST(ZipReaderLifecycle, MissingArchiveRaisesAFileErrorWithPathAndErrno)
{
    ScratchFolder scratch;
    CZipReader zip;
    try {
        zip.Open(scratch / "missing.zip");
        FAIL() << "Open succeeded";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_strPath, scratch / "missing.zip");
        EXPECT_EQ(e.m_nError, ENOENT);
    }
    EXPECT_TRUE(zip.IsClosed(false));
}

TEST(ZipReaderLifecycle, CloseAfterAFailedOpenClosesTheFileAndTheReaderCanOpenAgain)
{
    ScratchFolder scratch;
    ZipWriter::WriteFile(scratch / "not-a.zip", std::vector<std::uint8_t>(100, 'x'));
    const std::string good = WriteArchive(scratch, "good.zip", { Entry::File("a", "hello") });
    CZipReader zip;
    EXPECT_THROW(zip.Open(scratch / "not-a.zip"), CZipException);
    EXPECT_TRUE(zip.IsClosed());
    EXPECT_FALSE(zip.IsClosed(false)) << "the failed Open leaves its file open";
    zip.Close(false);
    EXPECT_FALSE(zip.IsClosed(false)) << "only the after-exception flag cleans up a half-open reader";
    zip.Close(true);
    EXPECT_TRUE(zip.IsClosed(false));

    zip.Open(good);
    ASSERT_EQ(zip.GetEntryCount(), 1);
    EXPECT_TRUE(zip.ExtractEntry(0, scratch / "out"));
    zip.Close(true);
    EXPECT_EQ(ReadTree(scratch / "out").at("a").content, "hello");
}

TEST(ZipReaderLifecycle, OpenOnAnOpenReaderChangesNothing)
{
    ScratchFolder scratch;
    const std::string one = WriteArchive(scratch, "one.zip", { Entry::File("a", "1") });
    const std::string two = WriteArchive(scratch, "two.zip", { Entry::File("a", "1"), Entry::File("b", "2") });
    CZipReader zip;
    zip.Open(one);
    zip.Open(two);
    EXPECT_EQ(zip.GetEntryCount(), 1);
    zip.Close();
    zip.Open(two, 1, 0);
    EXPECT_EQ(zip.GetEntryCount(), 2);
}

TEST(ZipReaderLifecycle, KeepsTheArchiveComment)
{
    ScratchFolder scratch;
    ZipWriter w;
    w.Add(Entry::File("a", "1"));
    w.SetComment("Purple skin, 2024");
    ZipWriter::WriteFile(scratch / "c.zip", w.Finish());
    CZipReader zip;
    zip.Open(scratch / "c.zip");
    EXPECT_EQ(std::string(zip.GetComment().begin(), zip.GetComment().end()), "Purple skin, 2024");
}

TEST(ZipReaderLifecycle, OpensArchivesTheUserMayOnlyRead)
{
    ScratchFolder scratch;
    const std::string path = WriteArchive(scratch, "installed.zip", { Entry::File("a", "1") });
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    CZipReader zip;
    zip.Open(path, 0, 0);
    EXPECT_EQ(zip.GetEntryCount(), 1);
    EXPECT_THROW(CZipReader().Open(path, 2, 0), std::invalid_argument) << "creating archives is not offered";
}

TEST(ZipReaderLifecycle, AnEntryLeftOpenByAFailureIsAbandonedByClose)
{
    ScratchFolder scratch;
    Entry bad = Entry::File("bad", Prose(200000));
    bad.crc = 7;
    const std::string path = WriteArchive(scratch, "crc.zip", { std::move(bad), Entry::File("good", Prose(1000)) });
    CZipReader zip;
    zip.Open(path);
    EXPECT_THROW(zip.ExtractEntry(0, scratch / "out"), CZipException);
    EXPECT_FALSE(zip.OpenEntry(1)) << "the failed entry is still open";
    zip.Close(true);

    zip.Open(path);
    EXPECT_TRUE(zip.ExtractEntry(1, scratch / "out"));
    zip.Close(true);
    EXPECT_EQ(ReadTree(scratch / "out").at("good").content, Prose(1000));
}

TEST(ZipReaderLifecycle, EveryChunkSizeGivesTheSameBytes)
{
    ScratchFolder scratch;
    const std::string data = Prose(2 * 65535);
    Entry described = Entry::File("described", data);
    described.descriptor = ZipWriter::Descriptor::WithoutSignature;
    const std::string path = WriteArchive(scratch, "chunks.zip", { Entry::File("stored", data, 0), Entry::File("deflated", data),
                                                                   std::move(described), Entry::File("empty", "") });
    for (const std::uint32_t chunk : { 1u, 7u, 16384u, 65535u, 65536u, 200000u }) {
        SCOPED_TRACE(chunk);
        const std::string out = scratch / ("out" + std::to_string(chunk));
        CZipReader zip;
        zip.Open(path);
        for (std::uint16_t i = 0; i < 4; ++i)
            EXPECT_TRUE(zip.ExtractEntry(i, out, true, chunk));
        zip.Close();
        const auto tree = ReadTree(out);
        EXPECT_EQ(tree.at("stored").content, data);
        EXPECT_EQ(tree.at("deflated").content, data);
        EXPECT_EQ(tree.at("described").content, data);
        EXPECT_EQ(tree.at("empty").content, "");
    }
    CZipReader zip;
    zip.Open(path);
    EXPECT_THROW(zip.ExtractEntry(0, scratch / "zero", true, 0), std::invalid_argument);
}

TEST(ZipReaderLifecycle, StreamingAnEntryStopsAtItsDeclaredSize)
{
    ScratchFolder scratch;
    const std::string data = Prose(100000);
    const std::string path = WriteArchive(scratch, "stream.zip", { Entry::File("a", data) });
    CZipReader zip;
    zip.Open(path);
    ASSERT_TRUE(zip.OpenEntry(0));
    EXPECT_FALSE(zip.OpenEntry(0));
    std::string got;
    char buffer[3000];
    while (const std::uint32_t n = zip.ReadEntry(buffer, sizeof buffer))
        got.append(buffer, n);
    EXPECT_EQ(got, data);
    EXPECT_EQ(zip.ReadEntry(buffer, sizeof buffer), 0u);
    EXPECT_EQ(zip.CloseEntry(), 1);
    EXPECT_EQ(zip.CloseEntry(), 0);
}

TEST(ZipReaderLifecycle, ModificationTimeIsReadAsLocalTime)
{
    const char* previous = std::getenv("TZ");
    const std::string saved = previous ? previous : "";
    ::setenv("TZ", "CET-1", 1);
    ::tzset();
    ScratchFolder scratch;
    Entry e = Entry::File("a", "x");
    e.dosDate = ZipWriter::DosDate(2024, 5, 17);
    e.dosTime = ZipWriter::DosTime(13, 45, 30);
    const std::string path = WriteArchive(scratch, "time.zip", { std::move(e) });
    CZipReader zip;
    zip.Open(path);
    EXPECT_TRUE(zip.ExtractEntry(0, scratch / "out"));
    zip.Close();
    EXPECT_EQ(ReadTree(scratch / "out").at("a").mtime, 1715953530 - 3600) << "13:45:30 at UTC+1";
    if (previous)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

// The last volume is the file that was opened, whatever its extension; the
// others are numbered beside it.
TEST(ZipReaderLifecycle, VolumesOfAnArchiveWithAnotherExtension)
{
    ScratchFolder scratch;
    ZipWriter w;
    std::string noise(1500, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>(i * 2654435761u >> 13);
    w.Add(Entry::File("a", noise, 0));
    w.Add(Entry::File("b", noise, 0));
    w.Add(Entry::File("c", "on the last volume"));
    const std::vector<std::vector<std::uint8_t>> volumes = w.FinishVolumes(2000);
    ASSERT_EQ(volumes.size(), 2u);
    ZipWriter::WriteFile(scratch / "Purple.000", volumes[0]);
    ZipWriter::WriteFile(scratch / "Purple.skn", volumes[1]);

    CZipReader zip;
    zip.Open(scratch / "Purple.skn");
    ASSERT_EQ(zip.GetEntryCount(), 3);
    for (std::uint16_t i = 0; i < 3; ++i)
        EXPECT_TRUE(zip.ExtractEntry(i, scratch / "out"));
    zip.Close();
    const auto tree = ReadTree(scratch / "out");
    EXPECT_EQ(tree.at("a").content, noise);
    EXPECT_EQ(tree.at("b").content, noise);
    EXPECT_EQ(tree.at("c").content, "on the last volume");
}

} // namespace
