#include "codec/Module1.h"

namespace Module1 {

std::shared_ptr<fw::Random> R;
std::shared_ptr<fw::Array<std::string>> Letters;

}  // namespace Module1
