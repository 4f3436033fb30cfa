#include "tests/zip/FileTree.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

std::map<std::string, TreeItem> ReadTree(const std::string& root)
{
    namespace fs = std::filesystem;
    std::map<std::string, TreeItem> tree;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        struct stat status {};
        ::lstat(entry.path().c_str(), &status);
        std::string path = fs::relative(entry.path(), root).string();
        TreeItem item { TreeItem::Other, {}, static_cast<unsigned>(status.st_mode & 07777), status.st_mtime };
        if (S_ISDIR(status.st_mode)) {
            item.kind = TreeItem::Folder;
            path += '/';
        } else if (S_ISREG(status.st_mode)) {
            item.kind = TreeItem::File;
            std::ifstream in(entry.path(), std::ios::binary);
            item.content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        tree.emplace(path, std::move(item));
    }
    return tree;
}
