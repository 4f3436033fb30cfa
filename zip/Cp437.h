#pragma once

#include <cstdint>
#include <span>
#include <string>

// Entry names written without the UTF-8 flag are in the DOS code page 437,
// as the first ZIP tools on DOS stored them. The lower half is ASCII.
std::string Cp437ToUtf8(std::span<const std::uint8_t> bytes);
