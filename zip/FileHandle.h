#pragma once

// Owns one POSIX file descriptor and closes it when destroyed.
class CFileHandle {
public:
    CFileHandle() = default;
    explicit CFileHandle(int fd) : m_fd(fd) {}
    ~CFileHandle();

    CFileHandle(CFileHandle&& other) noexcept : m_fd(other.Release()) {}
    CFileHandle& operator=(CFileHandle&& other) noexcept;
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int Get() const { return m_fd; }

    // Closes the descriptor; the errno of a failed close, or 0.
    int Close();

private:
    int Release();

    int m_fd = -1;
};
