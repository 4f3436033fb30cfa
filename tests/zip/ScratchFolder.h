#pragma once

#include <string>

// Removes `path` and everything below it, giving folders that extraction
// closed to writing their permission back first.
void RemoveTree(const std::string& path);

// A fresh folder under the system's temporary folder, removed with
// everything in it when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_strPath; }
    std::string operator/(const std::string& name) const { return m_strPath + "/" + name; }

private:
    std::string m_strPath;
};
