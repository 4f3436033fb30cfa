#pragma once

#include <string>

// The folders that skin packages are unpacked into: each one new, private to
// this user and made by us under the system's temporary folder, so that no
// folder of the user's is ever written into or removed.
class CWorkFolders {
public:
    CWorkFolders() = default;
    CWorkFolders(const CWorkFolders&) = delete;
    CWorkFolders& operator=(const CWorkFolders&) = delete;
    ~CWorkFolders();

    // Makes a new folder and returns its path without a trailing '/';
    // empty when none could be made.
    std::string Create();

    // Removes `folder` with everything in it, read-only files and folders
    // included, when it is the folder that Create made last; any other
    // folder is left alone. Symbolic links inside are removed, never
    // followed.
    void Remove(const std::string& folder);

private:
    std::string m_strCreated;
};

// Removes `folder` and everything below it, giving the owner write access
// first where it lacks it. Nothing is followed through a symbolic link.
void RemoveTree(const std::string& folder);
