#include "update/selfTest.h"

std::shared_ptr<selfTest> selfTest::Instance() { return fw::ImplicitInstance<selfTest>(); }
