#include "codec/ReferenceCodec.h"

#include "platform/base/Text.h"

namespace reference {

namespace {

std::string ReplaceEach(std::string s, std::string_view from, std::string_view to) {
    int p = 0;
    while ((p = fw::InStr(s, from)) > 0) {
        s = fw::Left(s, p - 1) + std::string(to) + fw::Mid(s, p + 1);
    }
    return s;
}

std::string Reverse(const std::string& s) {
    std::string v;
    for (int i = fw::Len(s); i >= 1; --i) {
        v += fw::Mid(s, i, 1);
    }
    return v;
}

}  // namespace

EncodeOutcome encode(std::string s, fw::Random& random, fw::Array<std::string>& letters) {
    EncodeOutcome out;
    if (s == " " || fw::Len(s) == 0) {
        out.kind = EncodeOutcome::Kind::RefusedEmpty;
        out.message = kEncodeEmptyMessage;
        return out;
    }
    for (int d = 1; d <= 9; ++d) {
        if (fw::InStr(s, fw::Str(d)) > 0) {
            out.kind = EncodeOutcome::Kind::RefusedDigits;
            out.message = kEncodeDigitsMessage;
            return out;
        }
    }
    s = fw::Uppercase(s);
    while (fw::Len(s) < 10) {
        s += " ";
    }
    int start = 1;
    for (;;) {
        const int gap = random.InRange(1, 9);
        const int count = random.InRange(1, 9);
        const int pos = start + gap - 1;
        if (pos >= fw::Len(s)) {
            break;
        }
        letters.Shuffle();
        std::string block;
        for (int i = 0; i <= count - 1; ++i) {
            block += letters(i);
        }
        s = fw::Left(s, pos) + fw::Str(count) + block + fw::Right(s, fw::Len(s) - pos);
        start = pos + count + 1;
    }
    out.stage1 = s;
    s = ReplaceEach(s, " ", "_");
    s = ReplaceEach(s, ".", "-");
    out.stage2 = s;
    out.stage3 = Reverse(s);
    for (int i = 1;; i += 5) {
        const std::string g = fw::Mid(out.stage3, i, 5);
        if (g.empty()) {
            break;
        }
        out.code += g + " ";
    }
    return out;
}

DecodeOutcome decode(std::string c) {
    DecodeOutcome out;
    if (c.empty()) {
        out.kind = DecodeOutcome::Kind::RefusedEmpty;
        out.message = kDecodeEmptyMessage;
        return out;
    }
    int p = 0;
    while ((p = fw::InStr(c, " ")) >= 2) {
        c = fw::Left(c, p - 1) + fw::Mid(c, p + 1);
    }
    c = Reverse(c);
    c = ReplaceEach(c, "_", " ");
    c = ReplaceEach(c, "-", ".");
    for (int d = 1; d <= 9; ++d) {
        while ((p = fw::InStr(c, fw::Str(d))) > 0) {
            c = fw::Left(c, p - 1) + fw::Right(c, fw::Len(c) - p - d);
        }
    }
    while (fw::Right(c, 1) == " ") {
        c = fw::Left(c, fw::Len(c) - 1);
    }
    out.text = c;
    return out;
}

}  // namespace reference
