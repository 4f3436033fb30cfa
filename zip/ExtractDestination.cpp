#include "zip/ExtractDestination.h"

#include <vector>

namespace {

bool IsDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string_view WithoutDriveAndRoot(std::string_view name)
{
    if (name.size() >= 2 && IsDriveLetter(name[0]) && name[1] == ':')
        name.remove_prefix(2);
    while (!name.empty() && name.front() == '/')
        name.remove_prefix(1);
    return name;
}

// The components of a relative path with "." and ".." resolved; nothing when
// a ".." would leave the path's root.
std::optional<std::vector<std::string_view>> ResolvedComponents(std::string_view path)
{
    std::vector<std::string_view> components;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view component = path.substr(0, slash);
        path.remove_prefix(slash == std::string_view::npos ? path.size() : slash + 1);
        if (component.empty() || component == ".")
            continue;
        if (component == "..") {
            if (components.empty())
                return std::nullopt;
            components.pop_back();
            continue;
        }
        components.push_back(component);
    }
    return components;
}

} // namespace

std::optional<std::string> ExtractDestination(const std::string& folder, const std::string& entryName, bool keepPath)
{
    if (entryName.find('\0') != std::string::npos)
        return std::nullopt;
    std::string_view relative = WithoutDriveAndRoot(entryName);
    if (!keepPath) {
        if (const std::size_t slash = relative.rfind('/'); slash != std::string_view::npos)
            relative.remove_prefix(slash + 1);
    }
    const std::optional<std::vector<std::string_view>> components = ResolvedComponents(relative);
    if (!components)
        return std::nullopt;

    std::string destination = folder;
    while (destination.size() > 1 && destination.back() == '/')
        destination.pop_back();
    for (const std::string_view component : *components) {
        if (!destination.empty() && destination != "/")
            destination += '/';
        destination += component;
    }
    // A trailing separator marks a folder name; keep it so that such a name
    // extracted as a file fails rather than writing over the folder.
    if (!components->empty() && relative.ends_with('/'))
        destination += '/';
    return destination;
}
