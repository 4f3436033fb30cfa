#pragma once

#include <cstdint>
#include <string>

// What tells one state of a file from another: a file replaced by a rename
// (as our own saves do) gets a new inode, one rewritten in place a new
// modification time or size.
struct FileStamp {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = -1;
    int64_t modifiedNanoseconds = 0;

    // An empty stamp (size -1) for a file that cannot be examined.
    static FileStamp Of(const std::string& path);
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
