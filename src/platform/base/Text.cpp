#include "Text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

#include <unicode/uchar.h>

namespace fw {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes one code point at `i`, advancing `i`. Invalid sequences give U+FFFD and
// consume the longest prefix that could have started a valid sequence (at least 1).
char32_t DecodeOne(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1, cp = b0 & 0x1F, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2, cp = b0 & 0x0F, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3, cp = b0 & 0x07, min = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    std::size_t j = i + 1;
    for (int k = 0; k < extra; ++k, ++j) {
        if (j >= s.size() || !IsContinuation(static_cast<unsigned char>(s[j]))) {
            i = j;
            return kReplacement;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(s[j]) & 0x3F);
    }
    i = j;
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return kReplacement;
    }
    return cp;
}

// Byte offset of character `index` (0-based), or s.size() when past the end.
std::size_t ByteOffset(std::string_view s, std::int64_t index) {
    std::size_t i = 0;
    while (index > 0 && i < s.size()) {
        ++i;
        while (i < s.size() && IsContinuation(static_cast<unsigned char>(s[i]))) {
            ++i;
        }
        --index;
    }
    return i;
}

// Unicode's simple case folding, the form in which texts that differ only in
// letter case are equal.
char32_t FoldChar(char32_t c) {
    if (c < 0x80) {
        return (c >= U'A' && c <= U'Z') ? c + 32 : c;
    }
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

// A code point that UTF-8 cannot carry (a surrogate, above U+10FFFF) becomes U+FFFD.
char32_t Encodable(char32_t c) {
    return (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) ? kReplacement : c;
}

std::size_t Utf8Length(char32_t c) {
    c = Encodable(c);
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

// Writes the UTF-8 of `c` at `p`; gives the number of bytes written.
std::size_t WriteUtf8(char* p, char32_t c) {
    c = Encodable(c);
    if (c < 0x80) {
        p[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        p[0] = static_cast<char>(0xC0 | (c >> 6));
        p[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        p[0] = static_cast<char>(0xE0 | (c >> 12));
        p[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        p[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    p[0] = static_cast<char>(0xF0 | (c >> 18));
    p[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    p[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    p[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

template <typename Map>
std::string MapChars(std::string_view text, Map map) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            out.push_back(static_cast<char>(map(byte)));
            ++i;
        } else {
            AppendUtf8(out, map(DecodeOne(text, i)));
        }
    }
    return out;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
    char bytes[4];
    out.append(bytes, WriteUtf8(bytes, c));
}

std::u32string ToUtf32(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        out.push_back(DecodeOne(text, i));
    }
    return out;
}

// Sized in advance: the texts here run to many megabytes.
std::string ToUtf8(std::u32string_view text) {
    std::size_t bytes = 0;
    for (char32_t c : text) {
        bytes += Utf8Length(c);
    }
    std::string out(bytes, '\0');
    char* p = out.data();
    for (char32_t c : text) {
        p += WriteUtf8(p, c);
    }
    return out;
}

std::string SanitizeUtf8(std::string_view bytes) {
    return MapChars(bytes, [](char32_t c) { return c; });
}

int Len(std::string_view text) {
    std::int64_t n = 0;
    for (char c : text) {
        n += IsContinuation(static_cast<unsigned char>(c)) ? 0 : 1;
    }
    return static_cast<int>(std::min<std::int64_t>(n, std::numeric_limits<int>::max()));
}

std::string Left(std::string_view text, int count) {
    if (count <= 0) {
        return {};
    }
    return std::string(text.substr(0, ByteOffset(text, count)));
}

std::string Right(std::string_view text, int count) {
    if (count <= 0) {
        return {};
    }
    const int len = Len(text);
    if (count >= len) {
        return std::string(text);
    }
    return std::string(text.substr(ByteOffset(text, len - count)));
}

std::string Mid(std::string_view text, int start) {
    if (start < 1) {
        start = 1;
    }
    return std::string(text.substr(ByteOffset(text, start - 1)));
}

std::string Mid(std::string_view text, int start, int length) {
    if (length <= 0) {
        return {};
    }
    if (start < 1) {
        start = 1;
    }
    const std::size_t from = ByteOffset(text, start - 1);
    const std::string_view rest = text.substr(from);
    return std::string(rest.substr(0, ByteOffset(rest, length)));
}

int InStr(std::string_view source, std::string_view find) {
    return InStr(1, source, find);
}

int InStr(int start, std::string_view source, std::string_view find) {
    if (start < 1) {
        start = 1;
    }
    const std::size_t from = ByteOffset(source, start - 1);
    if (from > source.size() || (from == source.size() && start - 1 > Len(source))) {
        return 0;
    }
    if (find.empty()) {
        return 0;
    }
    const std::size_t at = source.find(find, from);
    if (at == std::string_view::npos) {
        return 0;
    }
    return Len(source.substr(0, at)) + 1;
}

// Unicode's simple (one-to-one) case mappings from ICU: every character stays one
// character, so counts made before a conversion hold after it. ICU's character
// functions use the root mappings, whatever the process locale.
char32_t UppercaseChar(char32_t c) {
    if (c < 0x80) {
        return (c >= U'a' && c <= U'z') ? c - 32 : c;
    }
    return static_cast<char32_t>(u_toupper(static_cast<UChar32>(c)));
}

char32_t LowercaseChar(char32_t c) {
    if (c < 0x80) {
        return (c >= U'A' && c <= U'Z') ? c + 32 : c;
    }
    return static_cast<char32_t>(u_tolower(static_cast<UChar32>(c)));
}

std::string Uppercase(std::string_view text) {
    return MapChars(text, [](char32_t c) { return UppercaseChar(c); });
}

std::string Lowercase(std::string_view text) {
    return MapChars(text, [](char32_t c) { return LowercaseChar(c); });
}

bool StrEqual(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (FoldChar(DecodeOne(a, i)) != FoldChar(DecodeOne(b, j))) {
            return false;
        }
    }
    return i == a.size() && j == b.size();
}

std::string Trim(std::string_view text) {
    std::size_t begin = std::string_view::npos;
    std::size_t end = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t at = i;
        if (!u_isUWhiteSpace(static_cast<UChar32>(DecodeOne(text, i)))) {
            begin = std::min(begin, at);
            end = i;
        }
    }
    return begin == std::string_view::npos ? std::string()
                                           : std::string(text.substr(begin, end - begin));
}

std::string NthField(std::string_view source, std::string_view separator, int n) {
    if (n < 1) {
        return {};
    }
    if (separator.empty()) {
        return n == 1 ? std::string(source) : std::string();
    }
    std::size_t from = 0;
    for (int field = 1; field < n; ++field) {
        const std::size_t at = source.find(separator, from);
        if (at == std::string_view::npos) {
            return {};
        }
        from = at + separator.size();
    }
    const std::size_t end = source.find(separator, from);
    return std::string(source.substr(from, end == std::string_view::npos ? end : end - from));
}

std::string Str(std::int64_t value) {
    return std::to_string(value);
}

double Val(std::string_view text) {
    // Every kind of white space before the number is skipped: blanks, tabs, line
    // ends, form feed, vertical tab, and Unicode's spaces such as the no-break space.
    std::size_t i = 0;
    for (std::size_t next = 0; i < text.size(); i = next) {
        if (!u_isUWhiteSpace(static_cast<UChar32>(DecodeOne(text, next)))) {
            break;
        }
    }
    const std::size_t begin = i;
    auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        return i - from;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return 0.0;
    }
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        if (digits() > 0) {
            end = i;
        }
    }
    std::istringstream in(std::string(text.substr(begin, end - begin)));
    in.imbue(std::locale::classic());
    double value = 0.0;
    in >> value;
    // On overflow the stream stores the largest Double with the number's sign;
    // ToInteger() saturates it further.
    return value;
}

std::int32_t ToInteger(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value <= -2147483648.0) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

std::string Chr(std::int32_t codePoint) {
    if (codePoint < 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return {};
    }
    std::string out;
    AppendUtf8(out, static_cast<char32_t>(codePoint));
    return out;
}

std::string EndOfLine() {
#ifdef _WIN32
    return "\r\n";
#else
    return "\n";
#endif
}

}  // namespace fw
