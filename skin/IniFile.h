#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Reads a skin description, a profile file of "[section]" lines followed by
// "key=value" lines. The file is read once, when the object is made; copies
// share what was read.
//
// Conventions, chosen so that descriptions written on Windows read the same:
// section and key names compare without regard to ASCII letter case; white
// space around names and values is dropped, and a value in matching single or
// double quotes loses them; lines whose first non-blank character is ';' are
// comments; CRLF line ends and a UTF-8 byte order mark are accepted. A section
// that appears twice is one section; of a key that appears twice, the first
// value counts. Values are taken whole, whatever their length.
class CIniFile {
public:
    explicit CIniFile(std::string path);

    // The value of `key` in `section`; `defaultValue` when the file, the
    // section or the key is absent. A key with an empty value gives "".
    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

    // Replaces `names` with the key names of `section`, in file order, each
    // once; true when there is at least one.
    bool GetKeyNames(std::string_view section, std::vector<std::string>& names) const;

    const std::string& Path() const { return m_strPath; }

    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    // The parser on its own, for text that is already in memory.
    static std::vector<Section> Parse(std::string_view text);

private:
    const Section* FindSection(std::string_view name) const;

    std::string m_strPath;
    std::shared_ptr<const std::vector<Section>> m_sections;
};
