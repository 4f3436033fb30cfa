#pragma once

#include <ctime>
#include <map>
#include <string>

// What lies below a folder, for comparing extraction results.
struct TreeItem {
    enum Kind { File, Folder, Other } kind;
    std::string content; // of a file
    unsigned mode;       // permission bits, with set-id and sticky
    std::time_t mtime;
};

// Everything below `root` by path relative to it; folders end in '/'.
// Symbolic links are not followed and show as Other.
std::map<std::string, TreeItem> ReadTree(const std::string& root);
