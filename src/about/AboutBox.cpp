#include "about/AboutBox.h"

std::shared_ptr<AboutBox> AboutBox::Instance() { return fw::ImplicitInstance<AboutBox>(); }
