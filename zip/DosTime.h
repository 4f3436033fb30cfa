#pragma once

#include <cstdint>
#include <ctime>
#include <optional>

// The moment that a DOS date and time (2-second resolution, no time zone)
// stand for when read as local time; nothing for fields out of range.
std::optional<std::time_t> DosDateTimeToLocal(std::uint16_t dosDate, std::uint16_t dosTime);
