#include "zip/ZipBigFile.h"

#include "zip/FileException.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void CZipBigFile::Open(const std::string& path)
{
    // Read-only whatever the caller's open mode: the reader never writes to
    // an archive, and asking for write access would refuse every package
    // the user may only read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw CFileException(path, errno);
    m_file = CFileHandle(fd);
    m_strPath = path;
}

void CZipBigFile::Close()
{
    if (const int error = m_file.Close(); error != 0)
        Fail(error);
}

std::size_t CZipBigFile::Read(void* buffer, std::size_t n)
{
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < n) {
        const ssize_t got = ::read(m_file.Get(), out + done, n - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

bool CZipBigFile::ReadExactly(std::vector<std::uint8_t>& bytes, std::size_t n)
{
    const std::uint64_t position = GetPosition();
    const std::uint64_t length = GetLength();
    if (position > length || length - position < n)
        return false;
    bytes.resize(n);
    return Read(bytes.data(), n) == n;
}

std::uint64_t CZipBigFile::Seek(std::int64_t offset, SeekFrom from)
{
    const int whence = from == SeekFrom::Begin ? SEEK_SET : from == SeekFrom::Current ? SEEK_CUR : SEEK_END;
    const off_t result = ::lseek(m_file.Get(), offset, whence);
    if (result < 0)
        Fail(errno);
    return static_cast<std::uint64_t>(result);
}

std::uint64_t CZipBigFile::GetPosition()
{
    return Seek(0, SeekFrom::Current);
}

std::uint64_t CZipBigFile::GetLength()
{
    struct stat status {};
    if (::fstat(m_file.Get(), &status) != 0)
        Fail(errno);
    return static_cast<std::uint64_t>(status.st_size);
}

void CZipBigFile::Fail(int error) const
{
    throw CFileException(m_strPath, error);
}
