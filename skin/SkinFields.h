#pragma once

#include "skin/ColorRef.h"

#include <string>
#include <string_view>

// The fields of a description value: a list separated by commas, without
// quoting or escapes.

// A rectangle as a skin writes it: right and bottom are exclusive.
struct SkinRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const SkinRect&, const SkinRect&) = default;
};

// Takes the next field off `rest`: the text before the first comma, or all
// of `rest` when there is none (so once the fields are used up, every call
// gives the last one again). `rest` then loses its leading and trailing white
// space; the field itself is not trimmed.
std::string ExtractToken(std::string& rest);

// Four fields, read as integers: left, top, right, bottom.
SkinRect ExtractRect(std::string& rest);

// A colour field, 0xRRGGBB in hexadecimal after "0x" or "0X", otherwise in
// decimal; bits above 23 are ignored. Empty text gives kNoColor; text that is
// not a number reads as 0, black.
COLORREF StringToColor(std::string_view text);

// The C library's atoi rule: leading white space, an optional sign, then
// decimal digits up to the first other character; no digits give 0. Values
// beyond the 32-bit range saturate instead of being undefined.
int AtoI(std::string_view text);

// T-flag: the field starts with a capital T (TRUE, T, Tx; not true or 1).
bool IsTFlag(std::string_view field);
// V-flag: the field starts with a capital V (vertical).
bool IsVFlag(std::string_view field);
// TRUE-flag: the field is exactly "TRUE".
bool IsTrueFlag(std::string_view field);

// Seconds as "hh:mm:ss", at most 99:59:59.
std::string FormatTime(int seconds);

// Small text helpers shared by the description reader.
std::string_view TrimmedView(std::string_view text);
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
// Names in skins compare like Windows file and key names: without regard to
// ASCII letter case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
