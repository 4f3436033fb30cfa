#include "skin/WorkFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

CWorkFolders::~CWorkFolders()
{
    Remove(m_strCreated);
}

std::string CWorkFolders::Create()
{
    Remove(m_strCreated);
    std::error_code error;
    std::string pattern = (fs::temp_directory_path(error) / "skinview-XXXXXX").string();
    if (error)
        pattern = "/tmp/skinview-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkdtemp makes the folder with mode 0700 under a name nobody else holds.
    if (!mkdtemp(name.data()))
        return {};
    m_strCreated = name.data();
    return m_strCreated;
}

void CWorkFolders::Remove(const std::string& folder)
{
    if (folder.empty() || folder != m_strCreated)
        return;
    RemoveTree(folder);
    m_strCreated.clear();
}

void RemoveTree(const std::string& folder)
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(folder, error);
    if (error || !fs::is_directory(status)) {
        fs::remove(folder, error);
        return;
    }
    // A folder without write or search permission keeps its entries; give
    // them back to the owner before descending.
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, error);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        RemoveTree(it->path().string());
    fs::remove(folder, error);
}
