#pragma once

#include <string>
#include <vector>

// Where skinview looks for the skin packages it brings, in this order: the
// folder it was started in, the folder of its executable, and the data
// folder it was installed to.
std::vector<std::string> SkinSearchFolders(const std::string& startFolder, const std::string& executableFolder);

// The first of `folders` that holds `relativePath`, joined to it; empty when
// none does.
std::string FindSkinFile(const std::vector<std::string>& folders, const std::string& relativePath);
