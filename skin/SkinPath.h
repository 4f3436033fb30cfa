#pragma once

#include <string>

// The skin folder of a description: the absolute path of the folder that
// holds `path`, with exactly one '/' at its end.
std::string GetPathFolder(const std::string& path);

// The file that a description's file field names below `skinFolder`.
// Skins made on Windows write '\' between folders and do not care about
// letter case, so '\' is a folder separator here, and a name that does not
// exist as written is looked up without regard to ASCII letter case, one
// path component at a time. Without a match the path as written is given,
// and loading it fails as for any missing file.
std::string ResolveSkinFile(const std::string& skinFolder, const std::string& field);
