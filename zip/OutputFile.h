#pragma once

#include "zip/FileHandle.h"

#include <cstddef>
#include <string>

// A file being extracted. Failures raise CFileException with its path.
class COutputFile {
public:
    // Creates `path` afresh, replacing a file (or a link) already there:
    // the old one is removed first, so a read-only file is replaced too and
    // a link is never written through.
    void Create(const std::string& path);
    void Write(const void* data, std::size_t n);
    void Close();

private:
    CFileHandle m_file;
    std::string m_strPath;
};
