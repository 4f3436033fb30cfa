#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

// The table of archives that the reader's tests extract and that seeds the
// fuzz target: each archive, written by our ZIP writer or mutated from a
// good one, with what extracting it must give.

// The archive as files: `archive` is opened; `volumesBefore` are its
// numbered volumes .000, .001, ... (an empty one is left out, as if lost).
struct ArchiveFiles {
    std::vector<std::uint8_t> archive;
    std::vector<std::vector<std::uint8_t>> volumesBefore;
};

// What ExtractEntry did with one entry.
struct Outcome {
    enum Kind { Extracted, NotExtracted, Raised, FileError };
    Kind kind;
    int cause = 0; // the CZipException cause, for Raised

    bool operator==(const Outcome&) const = default;
};

// A file or folder (a path ending in '/') below the destination folder.
struct ExpectedFile {
    std::string path;
    std::string content = {};
    unsigned mode = 0;     // permission bits under umask 022; 0: not checked
    std::time_t mtime = 0; // under TZ=UTC; 0: not checked
};

struct ReaderCase {
    std::string name;
    std::function<ArchiveFiles()> make;
    int openCause = 0;                // Open raises CZipException with this cause; 0: it opens
    std::vector<Outcome> outcomes = {}; // ExtractEntry of each entry in turn, up to the first that raises
    std::vector<ExpectedFile> files = {}; // everything below the destination afterwards
};

const std::vector<ReaderCase>& ReaderCases();
