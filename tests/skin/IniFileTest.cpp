#include "skin/IniFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

// Looks a key up in text parsed as a description file.
std::string Lookup(std::string_view text, std::string_view section, std::string_view key)
{
    const std::string path = testing::TempDir() + "ini-lookup.ini";
    std::ofstream(path, std::ios::binary) << text;
    return CIniFile(path).GetString(section, key, "<default>");
}

struct LookupCase {
    const char* name;
    const char* text;
    const char* section;
    const char* key;
    const char* expected;
};

class IniLookup : public testing::TestWithParam<LookupCase> { };

TEST_P(IniLookup, ReadsValue)
{
    const LookupCase& c = GetParam();
    EXPECT_EQ(Lookup(c.text, c.section, c.key), c.expected);
}

const LookupCase kLookups[] = {
    { "plain", "[Screen]\nMain=Back.bmp\n", "Screen", "Main", "Back.bmp" },
    { "section_case", "[SCREEN]\nMain=a\n", "Screen", "Main", "a" },
    { "key_case", "[Screen]\nMAIN=a\n", "Screen", "main", "a" },
    { "blanks_around", "  [ Screen ]  \n  Main  =  a b  \n", "Screen", "Main", "a b" },
    { "tabs_around", "[Screen]\n\tMain\t=\ta\t\n", "Screen", "Main", "a" },
    { "double_quotes", "[S]\nk=\"a, b \"\n", "S", "k", "a, b " },
    { "single_quotes", "[S]\nk='x'\n", "S", "k", "x" },
    { "unmatched_quotes_stay", "[S]\nk=\"x'\n", "S", "k", "\"x'" },
    { "lone_quote_stays", "[S]\nk=\"\n", "S", "k", "\"" },
    { "crlf", "[S]\r\nk=v\r\n", "S", "k", "v" },
    { "byte_order_mark", "\xEF\xBB\xBF[S]\nk=v\n", "S", "k", "v" },
    { "comment_line", "[S]\n;k=comment\nk=v\n", "S", "k", "v" },
    { "indented_comment", "[S]\n   ;k=comment\n", "S", "k", "<default>" },
    { "semicolon_inside_value_kept", "[S]\nk=a;b\n", "S", "k", "a;b" },
    { "first_of_repeated_keys", "[S]\nk=first\nK=second\n", "S", "k", "first" },
    { "repeated_section_merged", "[S]\na=1\n[T]\nb=2\n[s]\nc=3\n", "S", "c", "3" },
    { "repeated_section_first_value", "[S]\na=1\n[S]\na=2\n", "S", "a", "1" },
    { "equals_in_value", "[S]\nk=a=b\n", "S", "k", "a=b" },
    { "empty_value_is_not_default", "[S]\nk=\n", "S", "k", "" },
    { "missing_key", "[S]\nk=v\n", "S", "x", "<default>" },
    { "missing_section", "[S]\nk=v\n", "T", "k", "<default>" },
    { "key_before_any_section", "k=v\n[S]\n", "S", "k", "<default>" },
    { "line_without_equals", "[S]\njunk\nk=v\n", "S", "junk", "<default>" },
    { "last_line_without_newline", "[S]\nk=v", "S", "k", "v" },
    { "other_section_not_read", "[S]\n[T]\nk=v\n", "S", "k", "<default>" },
};

INSTANTIATE_TEST_SUITE_P(Cases, IniLookup, testing::ValuesIn(kLookups),
    [](const testing::TestParamInfo<LookupCase>& row) { return std::string(row.param.name); });

TEST(IniFile, MissingFileGivesDefaultAndNoKeys)
{
    const CIniFile ini(testing::TempDir() + "no-such-skin/Skin.ini");
    EXPECT_EQ(ini.GetString("Screen", "Main", ""), "");
    EXPECT_EQ(ini.GetString("Screen", "Main", "fallback"), "fallback");
    std::vector<std::string> names { "stale" };
    EXPECT_FALSE(ini.GetKeyNames("BUTTONINFO", names));
    EXPECT_TRUE(names.empty());
}

TEST(IniFile, KeyNamesInFileOrderEachOnce)
{
    const std::string text = "[B]\n3=c\n1=a\nname=x\n[other]\nz=1\n[b]\n1=again\n2=b\n";
    EXPECT_EQ(CIniFile::Parse(text).size(), 2u);
    const std::string path = testing::TempDir() + "ini-keys.ini";
    std::ofstream(path, std::ios::binary) << text;
    std::vector<std::string> names;
    EXPECT_TRUE(CIniFile(path).GetKeyNames("b", names));
    EXPECT_EQ(names, (std::vector<std::string> { "3", "1", "name", "2" }));
}

TEST(IniFile, LongValueIsTakenWhole)
{
    const std::string value(5000, 'x');
    EXPECT_EQ(Lookup("[S]\nk=" + value + "\n", "S", "k"), value);
}

TEST(IniFile, CopiesReadTheSameFile)
{
    const std::string path = testing::TempDir() + "ini-copies.ini";
    std::ofstream(path, std::ios::binary) << "[S]\nk=v\n";
    const CIniFile original(path);
    const CIniFile copy = original;
    std::filesystem::remove(path);
    EXPECT_EQ(copy.GetString("S", "k", ""), "v");
    EXPECT_EQ(copy.Path(), path);
}

} // namespace
