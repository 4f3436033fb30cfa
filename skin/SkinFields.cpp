#include "skin/SkinFields.h"

#include <climits>
#include <cstdint>
#include <cstdio>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Skips leading white space and an optional sign at `i`; true for '-'.
bool SkipSpaceAndSign(std::string_view text, std::size_t& i)
{
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        return text[i++] == '-';
    return false;
}

} // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

std::string_view TrimmedView(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string ExtractToken(std::string& rest)
{
    std::string field;
    if (const std::size_t comma = rest.find(','); comma != std::string::npos) {
        field = rest.substr(0, comma);
        rest.erase(0, comma + 1);
    } else {
        field = rest;
    }
    rest = std::string(TrimmedView(rest));
    return field;
}

SkinRect ExtractRect(std::string& rest)
{
    SkinRect rect;
    rect.left = AtoI(ExtractToken(rest));
    rect.top = AtoI(ExtractToken(rest));
    rect.right = AtoI(ExtractToken(rest));
    rect.bottom = AtoI(ExtractToken(rest));
    return rect;
}

int AtoI(std::string_view text)
{
    std::size_t i = 0;
    const bool negative = SkipSpaceAndSign(text, i);
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t(INT_MAX) + 1)
            value = std::int64_t(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

COLORREF StringToColor(std::string_view text)
{
    if (text.empty())
        return kNoColor;

    // Read as the shell's hex-aware string-to-integer does: white space, a
    // sign, then "0x" and hex digits or plain decimal digits.
    std::size_t i = 0;
    const bool negative = SkipSpaceAndSign(text, i);
    std::uint32_t n = 0;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        for (i += 2; i < text.size() && HexDigit(text[i]) >= 0; ++i)
            n = n * 16 + static_cast<std::uint32_t>(HexDigit(text[i]));
    } else {
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            n = n * 10 + static_cast<std::uint32_t>(text[i] - '0');
    }
    if (negative)
        n = 0u - n;
    return MakeColorRef(n >> 16, n >> 8, n);
}

bool IsTFlag(std::string_view field) { return field.starts_with('T'); }
bool IsVFlag(std::string_view field) { return field.starts_with('V'); }
bool IsTrueFlag(std::string_view field) { return field == "TRUE"; }

std::string FormatTime(int seconds)
{
    if (seconds > 359999)
        seconds = 359999;
    const int hours = seconds / 3600;
    const int minutes = (seconds - hours * 3600) / 60;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hours, minutes, seconds % 60);
    return text;
}
