#include "skin/SkinFields.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

std::vector<std::string> AllTokens(std::string rest, int count)
{
    std::vector<std::string> tokens;
    for (int i = 0; i < count; ++i)
        tokens.push_back(ExtractToken(rest));
    return tokens;
}

TEST(ExtractToken, SplitsAtCommasAndRepeatsTheLastField)
{
    EXPECT_EQ(AllTokens("a,b,c", 5), (std::vector<std::string> { "a", "b", "c", "c", "c" }));
}

TEST(ExtractToken, BlankBeforeCommaStaysBlankAfterCommaGoes)
{
    EXPECT_EQ(AllTokens("NAME ,  file.bmp ,x", 3), (std::vector<std::string> { "NAME ", "file.bmp ", "x" }));
}

TEST(ExtractToken, LeavesRestTrimmed)
{
    std::string rest = "  a , b  ";
    EXPECT_EQ(ExtractToken(rest), "  a ");
    EXPECT_EQ(rest, "b");
    EXPECT_EQ(ExtractToken(rest), "b");
    EXPECT_EQ(rest, "b");
}

TEST(ExtractToken, EmptyFieldsAndEmptyRest)
{
    EXPECT_EQ(AllTokens(",,x", 3), (std::vector<std::string> { "", "", "x" }));
    EXPECT_EQ(AllTokens("", 2), (std::vector<std::string> { "", "" }));
}

TEST(ExtractToken, LongValueIsNotCut)
{
    const std::string longField(1000, 'n');
    EXPECT_EQ(AllTokens(longField + ",tail", 2), (std::vector<std::string> { longField, "tail" }));
}

TEST(ExtractToken, ButtonEntryWithOnlySixFields)
{
    // The tooltip and the two-image flag both read the bottom field again.
    std::string rest = "BUTTON_OPEN,open.bmp,10,20,30,50";
    EXPECT_EQ(ExtractToken(rest), "BUTTON_OPEN");
    EXPECT_EQ(ExtractToken(rest), "open.bmp");
    EXPECT_EQ(ExtractRect(rest), (SkinRect { 10, 20, 30, 50 }));
    const std::string tooltip = ExtractToken(rest);
    EXPECT_EQ(tooltip, "50");
    EXPECT_FALSE(IsTFlag(ExtractToken(rest)));
}

TEST(ExtractRect, ReadsFourIntegers)
{
    std::string rest = " 1, -2 ,3x, +4, rest";
    EXPECT_EQ(ExtractRect(rest), (SkinRect { 1, -2, 3, 4 }));
    EXPECT_EQ(rest, "rest");
    EXPECT_EQ((SkinRect { 10, 20, 30, 50 }).Width(), 20);
    EXPECT_EQ((SkinRect { 10, 20, 30, 50 }).Height(), 30);
}

struct IntCase {
    const char* text;
    int expected;
};

TEST(AtoI, FollowsTheCLibraryRule)
{
    const IntCase cases[] = {
        { "0", 0 }, { "42", 42 }, { "  \t7", 7 }, { "-12", -12 }, { "+5", 5 }, { "12abc", 12 },
        { "abc", 0 }, { "", 0 }, { "- 5", 0 }, { "3.9", 3 }, { "0x10", 0 }, { "2147483647", INT_MAX },
        { "99999999999999999999", INT_MAX }, { "-2147483648", INT_MIN }, { "-99999999999", INT_MIN },
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(AtoI(c.text), c.expected) << '"' << c.text << '"';
}

struct ColorCase {
    const char* text;
    COLORREF expected;
};

TEST(StringToColor, ReadsRrggbbIntoBbggrr)
{
    const ColorCase cases[] = {
        { "0xFF0000", 0x000000FF },   // red
        { "0x00FF00", 0x0000FF00 },   // green
        { "0x0000FF", 0x00FF0000 },   // blue
        { "255", 0x00FF0000 },        // decimal, blue too
        { "0X123456", 0x00563412 },
        { "0xff00ff", 0x00FF00FF },
        { "0x1FF0000", 0x000000FF },  // bits above 23 are ignored
        { "", kNoColor },
        { "0", 0 },
        { "  0x10", 0x00100000 },
        { "junk", 0 },
        { "0xZZ", 0 },
    };
    for (const ColorCase& c : cases)
        EXPECT_EQ(StringToColor(c.text), c.expected) << '"' << c.text << '"';
}

struct FlagCase {
    const char* field;
    bool tFlag;
    bool vFlag;
    bool trueFlag;
};

TEST(Flags, ReadTheirFirstCharacterOrTheWholeWord)
{
    const FlagCase cases[] = {
        { "TRUE", true, false, true }, { "T", true, false, false }, { "Tx", true, false, false },
        { "true", false, false, false }, { "True", true, false, false }, { "1", false, false, false },
        { "", false, false, false }, { " TRUE", false, false, false }, { "V", false, true, false },
        { "VERT", false, true, false }, { "vertical", false, false, false }, { "H", false, false, false },
    };
    for (const FlagCase& c : cases) {
        EXPECT_EQ(IsTFlag(c.field), c.tFlag) << '"' << c.field << '"';
        EXPECT_EQ(IsVFlag(c.field), c.vFlag) << '"' << c.field << '"';
        EXPECT_EQ(IsTrueFlag(c.field), c.trueFlag) << '"' << c.field << '"';
    }
}

TEST(FormatTime, HoursMinutesSecondsUpTo99Hours)
{
    const std::pair<int, const char*> cases[] = {
        { 0, "00:00:00" }, { 59, "00:00:59" }, { 60, "00:01:00" }, { 3661, "01:01:01" }, { 3725, "01:02:05" },
        { 7200, "02:00:00" }, { 359999, "99:59:59" }, { 360000, "99:59:59" }, { INT_MAX, "99:59:59" },
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(FormatTime(seconds), text) << seconds;
}

} // namespace
