#include "platform/net/HttpResponseParser.h"

#include <algorithm>
#include <limits>

#include "platform/base/Text.h"

namespace fw {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

int ParseStatus(std::string_view statusLine) {
    std::string_view rest = statusLine;
    for (int field = 1; field <= 2; ++field) {
        while (!rest.empty() && IsBlank(rest.front())) {
            rest.remove_prefix(1);
        }
        std::size_t length = 0;
        while (length < rest.size() && !IsBlank(rest[length])) {
            ++length;
        }
        if (field == 2) {
            const std::string_view code = rest.substr(0, length);
            if (code.size() != 3 || !std::all_of(code.begin(), code.end(),
                                                 [](char c) { return c >= '0' && c <= '9'; })) {
                return 0;
            }
            return (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
        }
        rest.remove_prefix(length);
    }
    return 0;
}

// A Content-Length element: digits only. Values past `limit` come back as limit + 1.
std::optional<std::size_t> ParseLength(std::string_view text, std::size_t limit) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::size_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        if (value <= limit) {
            value = value * 10 + static_cast<std::size_t>(c - '0');
        }
    }
    return std::min(value, limit + 1);
}

}  // namespace

HttpResponseParser::HttpResponseParser(std::size_t maxHeaderBytes, std::size_t maxBodyBytes)
    : maxHeaderBytes_(maxHeaderBytes), maxBodyBytes_(maxBodyBytes) {}

HttpResponseParser::State HttpResponseParser::Feed(std::string_view bytes) {
    if (state_ != State::NeedMore) {
        return state_;
    }
    if (headerDone_) {
        AppendBody(bytes);
        return state_;
    }
    // Never more than the header bound is buffered ahead of the end of the header block.
    const std::size_t take = std::min(bytes.size(), maxHeaderBytes_ - head_.size());
    head_.append(bytes.substr(0, take));
    const auto end = FindHeaderEnd();
    if (!end) {
        return head_.size() >= maxHeaderBytes_ ? Fail(HttpError::ReplyTooLarge) : state_;
    }
    headerDone_ = true;
    ParseHeaderBlock(std::string_view(head_).substr(0, *end));
    if (!ReadFraming()) {
        return state_;
    }
    AppendBody(std::string_view(head_).substr(*end));
    AppendBody(bytes.substr(take));
    head_.clear();
    head_.shrink_to_fit();
    return state_;
}

HttpResponseParser::State HttpResponseParser::Finish() {
    if (state_ != State::NeedMore) {
        return state_;
    }
    if (!headerDone_ || contentLength_) {
        return Fail(HttpError::ReplyIncomplete);
    }
    state_ = State::Complete;
    return state_;
}

std::optional<std::size_t> HttpResponseParser::FindHeaderEnd() {
    while (scanPos_ < head_.size()) {
        const std::size_t lf = head_.find('\n', scanPos_);
        if (lf == std::string::npos) {
            scanPos_ = head_.size();
            break;
        }
        std::size_t lineEnd = lf;
        if (lineEnd > lineStart_ && head_[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        scanPos_ = lf + 1;
        if (lineEnd == lineStart_) {
            return scanPos_;
        }
        lineStart_ = scanPos_;
    }
    return std::nullopt;
}

void HttpResponseParser::ParseHeaderBlock(std::string_view block) {
    bool statusLine = true;
    while (!block.empty()) {
        const std::size_t lf = block.find('\n');
        std::string_view line = block.substr(0, lf);
        block.remove_prefix(lf == std::string_view::npos ? block.size() : lf + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (statusLine) {
            status_ = ParseStatus(line);
            statusLine = false;
            continue;
        }
        if (line.empty()) {
            break;
        }
        if (IsBlank(line.front())) {
            headers_.ExtendLastValue(SanitizeUtf8(TrimBlanks(line)));
            continue;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) {
            continue;
        }
        const std::string_view name = TrimBlanks(line.substr(0, colon));
        if (name.empty()) {
            continue;
        }
        headers_.AppendHeader(SanitizeUtf8(name), SanitizeUtf8(TrimBlanks(line.substr(colon + 1))));
    }
}

bool HttpResponseParser::ReadFraming() {
    if (headers_.Contains("Transfer-Encoding")) {
        Fail(HttpError::ReplyMalformed);
        return false;
    }
    for (int i = 0; i < headers_.Count(); ++i) {
        if (!InternetHeaders::NamesEqual(headers_.NameAt(i), "Content-Length")) {
            continue;
        }
        // Repeated lengths ("5, 5" or two lines) are accepted only when they agree.
        const std::string value = headers_.ValueAt(i);
        std::string_view list = value;
        while (true) {
            const std::size_t comma = list.find(',');
            const auto length = ParseLength(TrimBlanks(list.substr(0, comma)), maxBodyBytes_);
            if (!length || (contentLength_ && *contentLength_ != *length)) {
                Fail(HttpError::ReplyMalformed);
                return false;
            }
            contentLength_ = length;
            if (comma == std::string_view::npos) {
                break;
            }
            list.remove_prefix(comma + 1);
        }
    }
    if (contentLength_ && *contentLength_ > maxBodyBytes_) {
        Fail(HttpError::ReplyTooLarge);
        return false;
    }
    if (contentLength_ && *contentLength_ == 0) {
        state_ = State::Complete;
    }
    return true;
}

void HttpResponseParser::AppendBody(std::string_view bytes) {
    if (state_ != State::NeedMore || bytes.empty()) {
        return;
    }
    if (contentLength_) {
        body_.append(bytes.substr(0, *contentLength_ - body_.size()));
        if (body_.size() == *contentLength_) {
            state_ = State::Complete;
        }
        return;
    }
    if (bytes.size() > maxBodyBytes_ - body_.size()) {
        Fail(HttpError::ReplyTooLarge);
        return;
    }
    body_.append(bytes);
}

HttpResponseParser::State HttpResponseParser::Fail(HttpError error) {
    state_ = State::Failed;
    error_ = error;
    body_.clear();
    head_.clear();
    return state_;
}

}  // namespace fw
