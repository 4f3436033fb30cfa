#pragma once

#include "zip/ZipEntryHeader.h"

#include <string>

// Gives the extracted file or folder at `path` the modification time of
// `entry` (its DOS date and time read as local time; the access time becomes
// now). False when the entry's time is invalid or cannot be set.
bool SetEntryTime(const std::string& path, const CZipEntryHeader& entry);

// Gives the extracted file or folder at `path` the permissions that `entry`
// asks for. Archives made on Unix carry permission bits in the upper half of
// the external attributes; they are used without set-id and sticky bits, and
// a symbolic link, written as a plain file, keeps the default mode. Other
// archives carry DOS attributes, of which only read-only means something
// here: it takes away every write permission. False when that fails.
bool SetEntryAttributes(const std::string& path, const CZipEntryHeader& entry);
