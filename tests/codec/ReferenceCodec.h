#pragma once

// Step-by-step versions of encodeMessage and decodeMessage, built only from the
// framework's character operations and following each step literally: replace or
// remove the first match and search again, insert by rebuilding the text. Slow
// (quadratic), so only for comparison with the real codec on small texts.

#include <string>
#include <string_view>

#include "codec/MessageCodec.h"

namespace reference {

EncodeOutcome encode(std::string message, fw::Random& random, fw::Array<std::string>& letters);
DecodeOutcome decode(std::string code);

}  // namespace reference
