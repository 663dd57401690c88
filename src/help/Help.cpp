#include "help/Help.h"

std::shared_ptr<Help> Help::Instance() { return fw::ImplicitInstance<Help>(); }
