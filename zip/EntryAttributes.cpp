#include "zip/EntryAttributes.h"

#include "zip/DosTime.h"

#include <fcntl.h>
#include <optional>
#include <sys/stat.h>

namespace {

constexpr mode_t kPermissionBits = 0777;
constexpr mode_t kWriteBits = 0222;

// The permission bits stored by a Unix archiver, when there are any.
std::optional<mode_t> UnixPermissions(const CZipEntryHeader& entry)
{
    if ((entry.m_fields.versionMadeBy >> 8) != zipformat::kMadeByUnix)
        return std::nullopt;
    const auto unixMode = static_cast<mode_t>(entry.m_fields.externalAttributes >> 16);
    if (unixMode == 0)
        return std::nullopt;
    return unixMode;
}

} // namespace

bool SetEntryTime(const std::string& path, const CZipEntryHeader& entry)
{
    const std::optional<std::time_t> modified = DosDateTimeToLocal(entry.m_fields.modDate, entry.m_fields.modTime);
    if (!modified)
        return false;
    timespec times[2] {};
    times[0].tv_nsec = UTIME_NOW;
    times[1].tv_sec = *modified;
    return ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

bool SetEntryAttributes(const std::string& path, const CZipEntryHeader& entry)
{
    if (const std::optional<mode_t> unixMode = UnixPermissions(entry)) {
        if (S_ISLNK(*unixMode))
            return true;
        return ::chmod(path.c_str(), *unixMode & kPermissionBits) == 0;
    }
    if ((entry.m_fields.externalAttributes & zipformat::kDosReadOnly) == 0)
        return true;
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return false;
    return ::chmod(path.c_str(), status.st_mode & kPermissionBits & ~kWriteBits) == 0;
}
