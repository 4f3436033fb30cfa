#pragma once

#include "zip/ZipFormat.h"

#include <cstdint>
#include <string>
#include <vector>

// One entry of the central directory: its fixed fields as stored, and its
// name converted once, when the directory is read.
class CZipEntryHeader {
public:
    zipformat::CentralHeader m_fields;
    // UTF-8, with '/' between folders (archives made on Windows write '\').
    std::string m_strFileName;
    std::vector<std::uint8_t> m_extraField;
    std::vector<std::uint8_t> m_comment;

    bool IsFolder() const { return (m_fields.externalAttributes & zipformat::kDosFolder) != 0; }
    bool IsEncrypted() const { return (m_fields.flags & zipformat::kFlagEncrypted) != 0; }
    bool HasDataDescriptor() const { return (m_fields.flags & zipformat::kFlagDataDescriptor) != 0; }

    // The stored name as this platform spells it; '\' and '/' both separate
    // folders. Names flagged as UTF-8 are taken as they are, and so are the
    // names of archives made on Unix: Info-ZIP's zip stores the file system's
    // bytes there without the flag. Other names are in code page 437.
    static std::string ConvertName(const std::vector<std::uint8_t>& storedName, const zipformat::CentralHeader& fields);
};
