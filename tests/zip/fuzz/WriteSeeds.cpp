// Writes the archives of the reader's table into a folder, as the fuzz
// target's seed corpus: zip-fuzz-seeds FOLDER

#include "tests/support/ZipWriter.h"
#include "tests/zip/ReaderCases.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    int n = 0;
    for (const ReaderCase& c : ReaderCases())
        ZipWriter::WriteFile(std::string(argv[1]) + "/seed-" + std::to_string(n++) + ".zip", c.make().archive);
    std::printf("%d seeds\n", n);
    return 0;
}
