#pragma once
// A slow disk: while `wolnyFlush` is above zero, each flush of a regular
// file takes that long in a test program that wraps fsync (test_platform:
// its wrapper is in tests/platform/pliki_test.cpp).
#include <chrono>

inline std::chrono::milliseconds wolnyFlush{0};
