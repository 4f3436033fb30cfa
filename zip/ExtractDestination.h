#pragma once

#include <optional>
#include <string>

// Where an entry named `entryName` ('/'-separated) is written below
// `folder`. With `keepPath` the name keeps its folders, less a leading drive
// ("C:") and leading separators; without it only its last component is used.
// "." and ".." components are resolved; a name that climbs above `folder`,
// or holds a NUL byte, has no destination.
std::optional<std::string> ExtractDestination(const std::string& folder, const std::string& entryName, bool keepPath);
