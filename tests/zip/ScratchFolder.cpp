#include "tests/zip/ScratchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "skinview-zip-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder");
    m_strPath = pattern;
}

void RemoveTree(const std::string& path)
{
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(path, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_directory(error) && !it->is_symlink(error))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
    }
    std::filesystem::remove_all(path, error);
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_strPath);
}
