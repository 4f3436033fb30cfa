#include "zip/ZipEntryHeader.h"

#include "zip/Cp437.h"

#include <algorithm>

std::string CZipEntryHeader::ConvertName(const std::vector<std::uint8_t>& storedName, std::uint16_t flags)
{
    std::string name = (flags & zipformat::kFlagUtf8Name) != 0
        ? std::string(storedName.begin(), storedName.end())
        : Cp437ToUtf8(storedName);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}
