#pragma once

// The framework's text operations. Texts are UTF-8 std::strings; every position
// and length counts characters (Unicode code points), never bytes, and positions
// start at 1. Text from outside the program goes through SanitizeUtf8() first, so
// these functions may assume valid UTF-8 (on invalid input they stay memory-safe).

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// Number of characters.
int Len(std::string_view text);

// The first / last `count` characters; a count of 0 or less gives "".
std::string Left(std::string_view text, int count);
std::string Right(std::string_view text, int count);

// Characters from position `start` (1-based) to the end, or `length` of them.
// A start below 1 counts as 1; a negative length gives "".
std::string Mid(std::string_view text, int start);
std::string Mid(std::string_view text, int start, int length);

// Position of the first occurrence of `find` at or after `start` (0 or 1 mean the
// beginning), 0 when absent. The comparison is exact (letter case counts).
int InStr(std::string_view source, std::string_view find);
int InStr(int start, std::string_view source, std::string_view find);

// Letter case conversion by Unicode's simple mappings: each character becomes
// exactly one character (ß stays ß); characters without a mapping stay as they
// are. Independent of the process locale.
std::string Uppercase(std::string_view text);
std::string Lowercase(std::string_view text);
char32_t UppercaseChar(char32_t c);
char32_t LowercaseChar(char32_t c);

// String equality that ignores letter case, as the framework's `=` does (Unicode's
// simple case folding).
bool StrEqual(std::string_view a, std::string_view b);

// The text without the white space at its start and end (every kind that
// Unicode counts as white space, line ends included).
std::string Trim(std::string_view text);

// The n-th field (from 1) of `source` cut at `separator`; "" when there is none.
std::string NthField(std::string_view source, std::string_view separator, int n);

// Plain decimal, with a minus sign for negative numbers.
std::string Str(std::int64_t value);

// The leading number of the text as a Double (white space before it, line ends
// included, is skipped):
// optional sign, digits, optional fraction and exponent. 0 when there is none.
double Val(std::string_view text);

// A Double converted to a 32-bit Integer: truncated toward zero, saturated at the
// Integer range, NaN gives 0. Never undefined behaviour.
std::int32_t ToInteger(double value);

// The character with the given code point, as UTF-8 ("" for an invalid one).
std::string Chr(std::int32_t codePoint);

// The platform's line end.
std::string EndOfLine();

// Bytes from outside (a file, a socket, the clipboard) made valid UTF-8: every
// invalid sequence becomes U+FFFD.
std::string SanitizeUtf8(std::string_view bytes);

// Conversions between UTF-8 and code points (invalid input becomes U+FFFD).
std::u32string ToUtf32(std::string_view text);
std::string ToUtf8(std::u32string_view text);
void AppendUtf8(std::string& out, char32_t c);

}  // namespace fw
