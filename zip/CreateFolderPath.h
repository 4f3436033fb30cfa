#pragma once

#include <string>

// Makes the folder `path` and every missing folder above it; true when the
// folder exists afterwards. An empty path or the root counts as existing.
bool CreateFolderPath(std::string path);

// The folder part of `path`: everything before its last '/' (empty when it
// has none).
std::string ParentFolder(const std::string& path);
