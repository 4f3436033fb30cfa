#include "skin/IniFile.h"

#include "skin/SkinFields.h"

#include <fstream>
#include <iterator>

namespace {

std::string_view Unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

} // namespace

std::vector<CIniFile::Section> CIniFile::Parse(std::string_view text)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());

    std::vector<Section> sections;
    Section* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = TrimmedView(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name = TrimmedView(line.substr(1, close == std::string_view::npos ? close : close - 1));
            current = nullptr;
            for (Section& section : sections) {
                if (EqualsIgnoringCase(section.name, name))
                    current = &section;
            }
            if (!current)
                current = &sections.emplace_back(Section { std::string(name), {} });
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos)
            continue;
        const std::string_view key = TrimmedView(line.substr(0, equals));
        if (key.empty())
            continue;
        bool known = false;
        for (const Entry& entry : current->entries)
            known = known || EqualsIgnoringCase(entry.key, key);
        if (!known)
            current->entries.push_back({ std::string(key), std::string(Unquoted(TrimmedView(line.substr(equals + 1)))) });
    }
    return sections;
}

CIniFile::CIniFile(std::string path)
    : m_strPath(std::move(path))
    , m_sections(std::make_shared<const std::vector<Section>>(Parse(ReadWholeFile(m_strPath))))
{
}

const CIniFile::Section* CIniFile::FindSection(std::string_view name) const
{
    for (const Section& section : *m_sections) {
        if (EqualsIgnoringCase(section.name, name))
            return &section;
    }
    return nullptr;
}

std::string CIniFile::GetString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    if (const Section* found = FindSection(section)) {
        for (const Entry& entry : found->entries) {
            if (EqualsIgnoringCase(entry.key, key))
                return entry.value;
        }
    }
    return std::string(defaultValue);
}

bool CIniFile::GetKeyNames(std::string_view section, std::vector<std::string>& names) const
{
    names.clear();
    if (const Section* found = FindSection(section)) {
        for (const Entry& entry : found->entries)
            names.push_back(entry.key);
    }
    return !names.empty();
}
