// zip-extract ARCHIVE FOLDER: extracts every entry of ARCHIVE below FOLDER
// with the archive reader, as a skin package is extracted but without
// dialogs. Prints one line for each entry that failed, with its name and
// why, and exits with 1 when any did (2 when the archive cannot be opened).
// After an entry raises, the archive is reopened so that the remaining
// entries are still tried.

#include "zip/FileException.h"
#include "zip/ZipException.h"
#include "zip/ZipReader.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::uint32_t kChunkSize = 65535;

std::string EntryName(const CZipReader& zip, std::uint16_t index)
{
    CZipEntryHeader info;
    return zip.GetEntryInfo(index, info) ? info.m_strFileName : "#" + std::to_string(index);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ARCHIVE FOLDER\n", argv[0]);
        return 2;
    }
    const std::string archive = argv[1];
    const std::string folder = argv[2];
    CZipReader zip;
    try {
        zip.Open(archive, 0, 0);
    } catch (const std::exception& e) {
        std::printf("%s: cannot open: %s\n", archive.c_str(), e.what());
        return 2;
    }

    int failed = 0;
    const int count = zip.GetEntryCount();
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<std::uint16_t>(i);
        std::string why;
        try {
            if (!zip.ExtractEntry(index, folder, true, kChunkSize))
                why = "not extracted (encrypted, outside the folder, ended early, or its time or permissions not set)";
        } catch (const CZipException& e) {
            why = "cause " + std::to_string(static_cast<int>(e.m_nCause)) + ", " + CZipException::CauseName(e.m_nCause);
        } catch (const CFileException& e) {
            why = std::string("file error, ") + std::strerror(e.m_nError) + " (" + e.m_strPath + ")";
        }
        if (why.empty())
            continue;
        ++failed;
        std::printf("%s: %s\n", EntryName(zip, index).c_str(), why.c_str());
        // A raised failure may leave the reader in any state; start afresh.
        zip.Close(true);
        try {
            zip.Open(archive, 0, 0);
        } catch (const std::exception& e) {
            std::printf("%s: cannot reopen: %s\n", archive.c_str(), e.what());
            return 1;
        }
    }
    zip.Close(true);
    return failed == 0 ? 0 : 1;
}
