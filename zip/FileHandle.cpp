#include "zip/FileHandle.h"

#include <cerrno>
#include <unistd.h>

CFileHandle::~CFileHandle()
{
    Close();
}

CFileHandle& CFileHandle::operator=(CFileHandle&& other) noexcept
{
    if (this != &other) {
        Close();
        m_fd = other.Release();
    }
    return *this;
}

int CFileHandle::Close()
{
    if (m_fd < 0)
        return 0;
    // The descriptor is gone whatever close reports, so it is never retried.
    const int result = ::close(Release());
    return result == 0 ? 0 : errno;
}

int CFileHandle::Release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}
