#include "zip/DosTime.h"

std::optional<std::time_t> DosDateTimeToLocal(std::uint16_t dosDate, std::uint16_t dosTime)
{
    const int day = dosDate & 0x1F;
    const int month = (dosDate >> 5) & 0x0F;
    const int year = 1980 + (dosDate >> 9);
    const int seconds = (dosTime & 0x1F) * 2;
    const int minutes = (dosTime >> 5) & 0x3F;
    const int hours = dosTime >> 11;
    if (day < 1 || month < 1 || month > 12 || hours > 23 || minutes > 59 || seconds > 59)
        return std::nullopt;

    std::tm local {};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hours;
    local.tm_min = minutes;
    local.tm_sec = seconds;
    local.tm_isdst = -1;
    const std::time_t moment = std::mktime(&local);
    if (moment == static_cast<std::time_t>(-1))
        return std::nullopt;
    return moment;
}
