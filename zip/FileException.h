#pragma once

#include <stdexcept>
#include <string>

// A file-system failure: the file that could not be opened, read, created
// or written, and the system error (an errno value).
class CFileException : public std::runtime_error {
public:
    CFileException(std::string path, int error);

    std::string m_strPath;
    int m_nError;
};
