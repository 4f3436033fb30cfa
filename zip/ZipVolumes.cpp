#include "zip/ZipVolumes.h"

#include "zip/ZipException.h"

#include <cstdio>

void CZipVolumes::Open(const std::string& path, int volumeSize)
{
    m_file.Open(path);
    m_strArchivePath = path;
    m_nVolumeMode = volumeSize == 0 ? modeUndecided : modeUndecidedNumbered;
    m_nCurrentVolume = -1;
}

void CZipVolumes::Close()
{
    m_nCurrentVolume = -1;
    m_nVolumeMode = modeSingleFile;
    m_file.Close();
}

void CZipVolumes::DecideVolumeMode(int thisDisk)
{
    m_nCurrentVolume = thisDisk;
    if (thisDisk == 0) {
        m_nVolumeMode = modeSingleFile;
        return;
    }
    // Without removable drives every disk set is a set of numbered files.
    m_nVolumeMode = modeNumberedFiles;
    m_nLastVolume = thisDisk;
}

void CZipVolumes::ChangeVolume(int n)
{
    if (n == m_nCurrentVolume)
        return;
    // A single-file archive whose records name another disk, or a number past
    // the last volume, can only come from a damaged archive.
    if (m_nVolumeMode != modeNumberedFiles || n < 0 || n > m_nLastVolume)
        ThrowDamaged();
    const std::string path = VolumePath(n);
    m_nCurrentVolume = n;
    m_file.Close();
    m_file.Open(path);
}

std::string CZipVolumes::VolumePath(int n) const
{
    // The last volume is the file the archive was opened as, whatever its
    // extension (a package may be called .skn); the others are numbered
    // base.000, base.001, ... beside it.
    if (n == m_nLastVolume)
        return m_strArchivePath;
    const std::string& current = m_file.GetFilePath();
    const std::size_t slash = current.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::size_t dot = current.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        dot = current.size();
    char number[16];
    std::snprintf(number, sizeof number, "%.3d", n);
    return current.substr(0, dot) + "." + number;
}

void CZipVolumes::CheckedRead(void* buffer, std::size_t n, ReadWhole whole)
{
    if (n == 0)
        return;
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t got = m_file.Read(out, n);
    while (got == 0) {
        if (m_nVolumeMode == modeSingleFile)
            ThrowDamaged();
        ChangeVolume(m_nCurrentVolume + 1);
        got = m_file.Read(out, n);
    }
    if (got == n)
        return;
    if (whole == ReadWhole::AtOnce || m_nVolumeMode == modeSingleFile)
        ThrowDamaged();
    while (got < n) {
        ChangeVolume(m_nCurrentVolume + 1);
        const std::size_t more = m_file.Read(out + got, n - got);
        if (more == 0)
            ThrowDamaged();
        got += more;
    }
}

void CZipVolumes::ThrowDamaged() const
{
    throw CZipException(CZipException::causeDamagedArchive, m_file.GetFilePath());
}
