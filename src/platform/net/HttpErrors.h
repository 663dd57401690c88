#pragma once

// The error numbers of the HTTP client. Each one is handed to the owner's error
// handler and shown to the user as "(Code: N)", so a number never changes meaning;
// new ones are added at the end.

namespace fw {

enum class HttpError : int {
    // The address is not an "http://host[:port][/path]" address that can be requested.
    InvalidAddress = 1,
    // The host name could not be resolved.
    HostNotFound = 2,
    // The host actively refused the connection (nothing listens on that port).
    ConnectionRefused = 3,
    // The network or the host could not be reached.
    NetworkUnreachable = 4,
    // The connection was not made within the connection time limit.
    ConnectTimeout = 5,
    // The connection failed for another reason (no permission, no resources, ...).
    ConnectionFailed = 6,
    // The connection ended before the reply was whole: inside the header block, or
    // before the body reached the length that Content-Length promised.
    ReplyIncomplete = 7,
    // The header block or the body is larger than the client accepts.
    ReplyTooLarge = 8,
    // The reply's framing cannot be trusted: an invalid or conflicting Content-Length,
    // or a Transfer-Encoding, which an HTTP/1.0 client does not take.
    ReplyMalformed = 9,
    // The page arrived but is not an update document (reported by the update check).
    NotAnUpdateDocument = 10,
};

}  // namespace fw
