#pragma once

// The codec's shared data: the random source and the letter table. Both live for
// the whole run; start-up creates the table (26 empty entries) and the
// application's Open event creates the generator and fills the table.

#include <memory>
#include <string>

#include "platform/base/Array.h"
#include "platform/base/Random.h"

namespace Module1 {

// Nil until the application opens.
extern std::shared_ptr<fw::Random> R;
// Indexes 0 to 25; "A" to "Z" once the application has opened.
extern std::shared_ptr<fw::Array<std::string>> Letters;

}  // namespace Module1
