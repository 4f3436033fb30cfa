#include "skin/SkinPath.h"

#include "skin/SkinFields.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The entry of `folder` whose name matches `name`, exactly if it exists,
// otherwise without regard to case; empty when there is none.
fs::path FindEntry(const fs::path& folder, const std::string& name)
{
    std::error_code error;
    if (fs::exists(folder / name, error))
        return folder / name;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (EqualsIgnoringCase(it->path().filename().string(), name))
            return it->path();
    }
    return {};
}

} // namespace

std::string GetPathFolder(const std::string& path)
{
    std::error_code error;
    fs::path absolute = fs::absolute(fs::path(path), error).lexically_normal();
    if (error)
        absolute = fs::path(path).lexically_normal();
    // Only the last component is the file name; a folder whose name happens
    // to contain the same text keeps it.
    std::string folder = absolute.has_filename() ? absolute.parent_path().string() : absolute.string();
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    if (folder != "/")
        folder += '/';
    return folder;
}

std::string ResolveSkinFile(const std::string& skinFolder, const std::string& field)
{
    std::string relative = field;
    for (char& c : relative) {
        if (c == '\\')
            c = '/';
    }
    const std::string written = skinFolder + relative;
    std::error_code error;
    if (relative.empty() || fs::exists(written, error))
        return written;

    fs::path resolved = skinFolder;
    for (const fs::path& part : fs::path(relative)) {
        const std::string name = part.string();
        if (name.empty() || name == "/" || name == ".")
            continue;
        if (name == "..") {
            resolved /= name;
            continue;
        }
        fs::path next = FindEntry(resolved, name);
        if (next.empty())
            return written;
        resolved = std::move(next);
    }
    return resolved.string();
}
