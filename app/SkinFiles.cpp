#include "app/SkinFiles.h"

#include <filesystem>
#include <system_error>

std::vector<std::string> SkinSearchFolders(const std::string& startFolder, const std::string& executableFolder)
{
    return { startFolder, executableFolder, SKINVIEW_DATA_DIR };
}

std::string FindSkinFile(const std::vector<std::string>& folders, const std::string& relativePath)
{
    for (const std::string& folder : folders) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / relativePath;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate.string();
    }
    return {};
}
