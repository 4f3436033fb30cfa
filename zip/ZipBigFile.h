#pragma once

#include "zip/FileHandle.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The archive file (or one of its volumes), opened for reading only and
// remembering the path it was opened with. Failures raise CFileException.
class CZipBigFile {
public:
    enum class SeekFrom { Begin, Current, End };

    void Open(const std::string& path);
    void Close();
    bool IsOpen() const { return m_file.IsOpen(); }
    const std::string& GetFilePath() const { return m_strPath; }

    // Reads up to n bytes; fewer only at the end of the file.
    std::size_t Read(void* buffer, std::size_t n);

    // Reads n bytes into `bytes`, or returns false without allocating when
    // fewer than n remain before the end of the file.
    bool ReadExactly(std::vector<std::uint8_t>& bytes, std::size_t n);

    std::uint64_t Seek(std::int64_t offset, SeekFrom from);
    std::uint64_t GetPosition();
    std::uint64_t GetLength();

private:
    [[noreturn]] void Fail(int error) const;

    CFileHandle m_file;
    std::string m_strPath;
};
