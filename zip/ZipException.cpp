#include "zip/ZipException.h"

#include <zlib.h>

namespace {

std::string Describe(CZipException::Cause cause, const std::string& path)
{
    return path + ": " + CZipException::CauseName(cause) + " (cause " + std::to_string(static_cast<int>(cause)) + ")";
}

} // namespace

CZipException::CZipException(Cause cause, std::string path)
    : std::runtime_error(Describe(cause, path))
    , m_nCause(cause)
    , m_strPath(std::move(path))
{
}

CZipException::Cause CZipException::CauseFromZlib(int zlibResult)
{
    switch (zlibResult) {
    case Z_STREAM_END: return causeZlibStreamEnd;
    case Z_NEED_DICT: return causeZlibNeedDict;
    case Z_ERRNO: return causeZlibErrno;
    case Z_STREAM_ERROR: return causeZlibStreamError;
    case Z_DATA_ERROR: return causeZlibDataError;
    case Z_MEM_ERROR: return causeZlibMemError;
    case Z_BUF_ERROR: return causeZlibBufError;
    case Z_VERSION_ERROR: return causeZlibVersionError;
    default: return causeOther;
    }
}

const char* CZipException::CauseName(Cause cause)
{
    switch (cause) {
    case causeOther: return "internal error";
    case causeZlibStreamEnd: return "unexpected end of compressed stream";
    case causeZlibNeedDict: return "compressed stream needs a dictionary";
    case causeZlibErrno: return "zlib file error";
    case causeZlibStreamError: return "inconsistent compressed stream";
    case causeZlibDataError: return "corrupt compressed data";
    case causeZlibMemError: return "out of memory while decompressing";
    case causeZlibBufError: return "compressed data ended early";
    case causeZlibVersionError: return "zlib version mismatch";
    case causeDamagedArchive: return "damaged archive";
    case causeCrcMismatch: return "CRC mismatch";
    case causeNoDiskHandler: return "multi-volume archive on removable media";
    case causeDiskRefused: return "disk change refused";
    case causeFixedDrive: return "volumes on a fixed drive";
    case causeVolumeLimit: return "too many volumes";
    case causeNameLength: return "name too long";
    case causeWrongPassword: return "wrong password";
    case causeNoEndRecord: return "no end of central directory record";
    }
    return "unknown cause";
}
