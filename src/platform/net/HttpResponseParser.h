#pragma once

// Reads an HTTP/1.x reply as its bytes arrive: Feed() the bytes in any pieces, and
// Finish() when the connection ends. The status code is the second blank-separated
// field of the status line (0 when that is not a three-digit number); the header
// block ends at the first empty line (lines may end in CR LF or a bare LF); the body
// is complete at Content-Length, or else when the connection ends. Both parts are
// bounded, and every step costs time in proportion to the bytes it is given.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/net/HttpErrors.h"
#include "platform/net/InternetHeaders.h"

namespace fw {

class HttpResponseParser {
public:
    enum class State { NeedMore, Complete, Failed };

    static constexpr std::size_t kMaxHeaderBytes = 64 * 1024;
    static constexpr std::size_t kMaxBodyBytes = 1024 * 1024;

    explicit HttpResponseParser(std::size_t maxHeaderBytes = kMaxHeaderBytes,
                                std::size_t maxBodyBytes = kMaxBodyBytes);

    // Takes the next bytes of the reply. Bytes after a complete reply are ignored.
    State Feed(std::string_view bytes);
    // The connection has ended: a reply still waiting for bytes is complete only when
    // its header block has ended and it promised no Content-Length.
    State Finish();

    [[nodiscard]] State GetState() const { return state_; }
    // Meaningful when Failed.
    [[nodiscard]] HttpError Error() const { return error_; }
    // Meaningful once the header block has ended.
    [[nodiscard]] int Status() const { return status_; }
    [[nodiscard]] const InternetHeaders& Headers() const { return headers_; }
    // The body's bytes as they came (not decoded).
    [[nodiscard]] const std::string& Body() const { return body_; }

private:
    // Position just past the empty line that ends the header block, searching on from
    // where the previous call stopped.
    std::optional<std::size_t> FindHeaderEnd();
    void ParseHeaderBlock(std::string_view block);
    bool ReadFraming();
    void AppendBody(std::string_view bytes);
    State Fail(HttpError error);

    std::size_t maxHeaderBytes_;
    std::size_t maxBodyBytes_;
    State state_ = State::NeedMore;
    HttpError error_ = HttpError::ReplyIncomplete;

    std::string head_;
    std::size_t scanPos_ = 0;
    std::size_t lineStart_ = 0;
    bool headerDone_ = false;

    int status_ = 0;
    InternetHeaders headers_;
    std::optional<std::size_t> contentLength_;
    std::string body_;
};

}  // namespace fw
