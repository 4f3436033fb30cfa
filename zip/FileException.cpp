#include "zip/FileException.h"

#include <cstring>

CFileException::CFileException(std::string path, int error)
    : std::runtime_error(path + ": " + std::strerror(error))
    , m_strPath(std::move(path))
    , m_nError(error)
{
}
