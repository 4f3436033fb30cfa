#include "zip/OutputFile.h"

#include "zip/FileException.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

void COutputFile::Create(const std::string& path)
{
    // Whatever keeps the old entry from being removed (there is none, or it
    // is a folder) shows in the exclusive create that follows.
    ::unlink(path.c_str());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        throw CFileException(path, errno);
    m_file = CFileHandle(fd);
    m_strPath = path;
}

void COutputFile::Write(const void* data, std::size_t n)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (n > 0) {
        const ssize_t written = ::write(m_file.Get(), bytes, n);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw CFileException(m_strPath, errno);
        }
        bytes += written;
        n -= static_cast<std::size_t>(written);
    }
}

void COutputFile::Close()
{
    if (const int error = m_file.Close(); error != 0)
        throw CFileException(m_strPath, error);
}
