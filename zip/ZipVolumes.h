#pragma once

#include "zip/ZipBigFile.h"

#include <cstddef>
#include <string>

// The archive file, or the volume of a multi-volume archive that is open
// now, and the reads that may run on from one volume into the next.
class CZipVolumes {
public:
    enum VolumeMode : int {
        modeSingleFile = 0,
        // Disk sets on removable media need a disk-change prompt; this
        // platform has no removable-drive notion, so no archive reaches it.
        modeDiskSet = 1,
        modeNumberedFiles = 2,
        modeUndecided = 3,
        modeUndecidedNumbered = 4,
    };

    enum class ReadWhole { No, AtOnce };

    // Opens the archive file; a volume size of 0 leaves the volume mode to
    // the end record. The current volume stays -1 until the end record is read.
    void Open(const std::string& path, int volumeSize);
    void Close();

    bool IsClosed() const { return m_nCurrentVolume == -1; }
    bool IsFileClosed() const { return !m_file.IsOpen(); }

    // Settles the volume mode once the end record gives the number of the
    // disk that holds it.
    void DecideVolumeMode(int thisDisk);

    // Opens volume n in place of the current one; nothing when n is current.
    void ChangeVolume(int n);

    // Reads n bytes, continuing on the following volumes when the archive has
    // them, unless `whole` asks for all n bytes from the current volume.
    void CheckedRead(void* buffer, std::size_t n, ReadWhole whole);

    [[noreturn]] void ThrowDamaged() const;

    CZipBigFile& File() { return m_file; }
    const std::string& GetFilePath() const { return m_file.GetFilePath(); }
    int GetVolumeMode() const { return m_nVolumeMode; }

private:
    std::string VolumePath(int n) const;

    CZipBigFile m_file;
    std::string m_strArchivePath;
    int m_nCurrentVolume = -1;
    int m_nVolumeMode = modeSingleFile;
    int m_nLastVolume = 0;
};
