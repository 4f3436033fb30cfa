#include "zip/ZipEntryHeader.h"

#include "zip/Cp437.h"

#include <algorithm>

std::string CZipEntryHeader::ConvertName(const std::vector<std::uint8_t>& storedName, const zipformat::CentralHeader& fields)
{
    const bool asStored = (fields.flags & zipformat::kFlagUtf8Name) != 0 || (fields.versionMadeBy >> 8) == zipformat::kMadeByUnix;
    std::string name = asStored
        ? std::string(storedName.begin(), storedName.end())
        : Cp437ToUtf8(storedName);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}
