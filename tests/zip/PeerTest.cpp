// Agreement with real archivers: archives made by Info-ZIP's zip and by
// Python's zipfile from one source tree extract with our reader to exactly
// the files, contents, permissions and times that Info-ZIP's unzip gives.
// The peers are run as programs (installed by scripts/install-deps.sh).

#include "tests/zip/FileTree.h"
#include "tests/zip/ScratchFolder.h"
#include "zip/FileException.h"
#include "zip/ZipException.h"
#include "zip/ZipReader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

// Writes a Python script that packs src/ (folders included, as zip -r does)
// plus one entry with a non-ASCII name, which zipfile flags as UTF-8.
const char* const kPythonPacker = R"(
import os, sys, zipfile
method = zipfile.ZIP_STORED if sys.argv[1] == "stored" else zipfile.ZIP_DEFLATED
with zipfile.ZipFile(sys.argv[2], "w", method) as z:
    for folder, folders, files in sorted(os.walk("src")):
        z.write(folder)
        for name in sorted(files):
            z.write(os.path.join(folder, name))
    info = zipfile.ZipInfo("src/sub/Blüte.txt", date_time=(2021, 12, 24, 18, 30, 10))
    info.external_attr = 0o640 << 16
    z.writestr(info, "petal\n" * 50)
)";

struct Peer {
    const char* name;
    const char* command; // run in the scratch folder; makes NAME.zip from src/
};

const Peer kAgreeing[] = {
    { "zip-stored", "zip -q -r -0 zip-stored.zip src" },
    { "zip-deflated", "zip -q -r -9 zip-deflated.zip src" },
    // Written to a pipe, zip cannot seek back and puts data descriptors
    // after every entry; -fz- keeps it from using ZIP64 descriptors.
    { "zip-streamed", "zip -q -r -fz- - src | cat > zip-streamed.zip" },
    { "zip-stdin", "zip -q -fz- - - < src/Background.bmp | cat > zip-stdin.zip" },
    { "python-stored", "python3 pack.py stored python-stored.zip" },
    { "python-deflated", "python3 pack.py deflated python-deflated.zip" },
};

// Not knowing the size of what it reads from standard input, zip writes
// ZIP64 records unless told not to (-fz-); the reader refuses them.
const Peer kZip64[] = {
    { "zip64-file", "zip -q zip64-file.zip - < src/Skin.ini" },
    { "zip64-streamed", "zip -q - - < src/Skin.ini | cat > zip64-streamed.zip" },
};

void SetTime(const std::string& path, std::time_t when)
{
    const timespec times[2] = { { when, 0 }, { when, 0 } };
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

void WriteText(const std::string& path, const std::string& text, mode_t mode, std::time_t when)
{
    std::ofstream(path, std::ios::binary) << text;
    ::chmod(path.c_str(), mode);
    SetTime(path, when);
}

int RunIn(const std::string& folder, const std::string& command)
{
    return std::system(("cd '" + folder + "' && { " + command + "; } > /dev/null 2>&1").c_str());
}

class PeerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // A zone other than UTC, so that DOS times are seen to be local.
        ::setenv("TZ", "CET-1", 1);
        ::tzset();
        ::umask(022);
        s_scratch = std::make_unique<ScratchFolder>();
        const std::string src = *s_scratch / "src";
        std::filesystem::create_directories(src + "/sub/deeper");
        std::filesystem::create_directories(src + "/empty-folder");
        // Even seconds: DOS times have a resolution of two.
        const std::time_t base = 1700000000;
        std::string bitmap = "BM";
        for (std::uint32_t x = 1; bitmap.size() < 200000; x = x * 1103515245 + 12345)
            bitmap += static_cast<char>(x >> 16);
        WriteText(src + "/Background.bmp", bitmap, 0644, base);
        WriteText(src + "/Skin.ini", "[BACKGROUND]\nFILE=Background.bmp\n", 0644, base + 2);
        WriteText(src + "/empty.txt", "", 0600, base + 4);
        WriteText(src + "/readonly.txt", "do not touch\n", 0444, base + 6);
        WriteText(src + "/run.sh", "#!/bin/sh\necho skin\n", 0755, base + 8);
        WriteText(src + "/grün.txt", "umlaut\n", 0644, base + 10);
        WriteText(src + "/sub/deeper/Icon.bmp", bitmap.substr(0, 7000), 0640, base + 12);
        SetTime(src + "/sub/deeper", base + 20);
        SetTime(src + "/sub", base + 22);
        SetTime(src + "/empty-folder", base + 24);
        SetTime(src, base + 26);
        std::ofstream(*s_scratch / "pack.py") << kPythonPacker;
    }

    static void TearDownTestSuite() { s_scratch.reset(); }

    static std::unique_ptr<ScratchFolder> s_scratch;
};

std::unique_ptr<ScratchFolder> PeerTest::s_scratch;

std::string Describe(const TreeItem& item)
{
    const char* kind = item.kind == TreeItem::Folder ? "folder" : item.kind == TreeItem::File ? "file" : "other";
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", item.mode);
    return std::string(kind) + " mode " + mode + " mtime " + std::to_string(item.mtime) + " size "
        + std::to_string(item.content.size());
}

std::map<std::string, std::string> Described(const std::map<std::string, TreeItem>& tree)
{
    std::map<std::string, std::string> described;
    for (const auto& [path, item] : tree)
        described[path] = Describe(item);
    return described;
}

TEST_F(PeerTest, OurExtractionEqualsUnzips)
{
    for (const Peer& peer : kAgreeing) {
        SCOPED_TRACE(peer.name);
        const std::string archive = *s_scratch / (std::string(peer.name) + ".zip");
        ASSERT_EQ(RunIn(s_scratch->Path(), peer.command), 0) << peer.command;
        const std::string theirs = *s_scratch / (std::string("unzip-") + peer.name);
        const std::string ours = *s_scratch / (std::string("ours-") + peer.name);
        ASSERT_EQ(RunIn(s_scratch->Path(), "unzip -o -q -d '" + theirs + "' '" + archive + "'"), 0);

        CZipReader zip;
        zip.Open(archive, 0, 0);
        ASSERT_GT(zip.GetEntryCount(), 0);
        for (int i = 0; i < zip.GetEntryCount(); ++i) {
            CZipEntryHeader entry;
            zip.GetEntryInfo(static_cast<std::uint16_t>(i), entry);
            EXPECT_TRUE(zip.ExtractEntry(static_cast<std::uint16_t>(i), ours, true, 65535)) << entry.m_strFileName;
        }
        zip.Close(true);

        const std::map<std::string, TreeItem> expected = ReadTree(theirs);
        const std::map<std::string, TreeItem> actual = ReadTree(ours);
        EXPECT_EQ(Described(actual), Described(expected));
        for (const auto& [path, item] : expected) {
            if (item.kind == TreeItem::File && actual.contains(path)) {
                EXPECT_TRUE(actual.at(path).content == item.content) << path << " differs";
            }
        }
    }
}

TEST_F(PeerTest, Zip64ArchivesAreRefusedAsDamaged)
{
    for (const Peer& peer : kZip64) {
        SCOPED_TRACE(peer.name);
        const std::string archive = *s_scratch / (std::string(peer.name) + ".zip");
        ASSERT_EQ(RunIn(s_scratch->Path(), peer.command), 0) << peer.command;
        CZipReader zip;
        int cause = 0;
        try {
            zip.Open(archive, 0, 0);
            for (int i = 0; i < zip.GetEntryCount(); ++i)
                zip.ExtractEntry(static_cast<std::uint16_t>(i), *s_scratch / "zip64-out", true, 65535);
        } catch (const CZipException& e) {
            cause = e.m_nCause;
        }
        zip.Close(true);
        EXPECT_EQ(cause, CZipException::causeDamagedArchive);
    }
}

} // namespace
