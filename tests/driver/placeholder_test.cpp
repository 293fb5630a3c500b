#include <gtest/gtest.h>
TEST(Nothing, Builds) { SUCCEED(); }
