// libFuzzer entry: opens arbitrary bytes as an archive and extracts every
// entry into a scratch folder as the package step does. A crash, a hang, a
// sanitizer report, an exception other than the reader's own, or a file
// written outside the destination folder is a finding.

#include "tests/zip/ScratchFolder.h"
#include "zip/FileException.h"
#include "zip/ZipException.h"
#include "zip/ZipReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

void ExtractAll(CZipReader& zip, const std::string& archive, const std::string& destination)
{
    try {
        zip.Open(archive, 0, 0);
        for (int i = 0; i < zip.GetEntryCount(); ++i)
            zip.ExtractEntry(static_cast<std::uint16_t>(i), destination, true, 65535);
    } catch (const CZipException&) {
    } catch (const CFileException&) {
    }
    zip.Close(true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFolder scratch;
    const std::string archive = scratch / "input.zip";
    const std::string out = scratch / "out";
    {
        std::ofstream file(archive, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::filesystem::create_directory(out);

    CZipReader zip;
    ExtractAll(zip, archive, out + "/dest");

    for (const auto& entry : std::filesystem::directory_iterator(out)) {
        if (entry.path().filename() != "dest") {
            std::fprintf(stderr, "written outside the destination: %s\n", entry.path().c_str());
            std::abort();
        }
    }
    for (const auto& entry : std::filesystem::directory_iterator(scratch.Path())) {
        if (entry.path() != archive && entry.path() != out) {
            std::fprintf(stderr, "written outside the destination: %s\n", entry.path().c_str());
            std::abort();
        }
    }
    RemoveTree(out);
    return 0;
}
