#include "zip/CreateFolderPath.h"

#include <cerrno>
#include <sys/stat.h>

std::string ParentFolder(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool CreateFolderPath(std::string path)
{
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    if (path.empty())
        return true;
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0)
        return S_ISDIR(status.st_mode);
    if (!CreateFolderPath(ParentFolder(path)))
        return false;
    // Folders are made writable whatever the entry asks: their content is
    // written after them, and the entry's own permissions come at Close.
    return ::mkdir(path.c_str(), 0777) == 0 || errno == EEXIST;
}
