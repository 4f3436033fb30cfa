#pragma once

#include <stdexcept>
#include <string>

// A failure of the archive itself: the archive (or volume) path and a cause
// code. Causes 2 to 9 carry a zlib result; the numbers are fixed because
// callers and tests compare against them.
class CZipException : public std::runtime_error {
public:
    enum Cause : int {
        causeOther = 1,
        causeZlibStreamEnd = 2,
        causeZlibNeedDict = 3,
        causeZlibErrno = 4,
        causeZlibStreamError = 5,
        causeZlibDataError = 6,
        causeZlibMemError = 7,
        causeZlibBufError = 8,
        causeZlibVersionError = 9,
        causeDamagedArchive = 10,
        causeCrcMismatch = 11,
        causeNoDiskHandler = 12,
        causeDiskRefused = 13,
        causeFixedDrive = 14,
        causeVolumeLimit = 15,
        causeNameLength = 16,
        causeWrongPassword = 17,
        causeNoEndRecord = 18,
    };

    CZipException(Cause cause, std::string path);

    // The cause for a zlib result code; causeOther for a code zlib does not
    // define.
    static Cause CauseFromZlib(int zlibResult);

    static const char* CauseName(Cause cause);

    Cause m_nCause;
    std::string m_strPath;
};
