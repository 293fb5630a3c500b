// The ALU kernels against plain wide arithmetic: every pair of 8-bit operands, and every 8-, 10-
// and 16-bit pattern for the shifts. The kernels read carry and overflow from sign bits alone;
// the reference computes them from the true unsigned and signed results.
#include "isa/alu_kernels.h"

#include <gtest/gtest.h>

#include <string>

namespace {
constexpr int n = 8;
constexpr DATA_WIDTH width{n};
constexpr int64_t modulus = int64_t{1} << n;

int32_t to_signed(int64_t v) {
  v = ((v % modulus) + modulus) % modulus;
  return static_cast<int32_t>(v >= modulus / 2 ? v - modulus : v);
}
int64_t to_unsigned(int32_t v) {
  return v < 0 ? v + modulus : v;
}
bool fits(int64_t v) {
  return -modulus / 2 <= v && v < modulus / 2;
}

// What differs, or "" when the kernel agrees with the reference.
std::string compare(const ALU_RESULT& got, int64_t wide, bool carry, bool overflow) {
  const int32_t r = to_signed(wide);
  const ALU_FLAGS want{carry, r == 0, r < 0, overflow, (r < 0) != overflow};
  std::string differs;
  if (got.value != r) differs += " value " + std::to_string(got.value);
  if (got.flags.word() != want.word()) differs += " flags " + std::to_string(got.flags.word());
  return differs;
}
}  // namespace

TEST(ALU_KERNELS, add_kernels_match_wide_arithmetic_for_every_8_bit_pair) {
  for (int32_t a = -128; a < 128; ++a)
    for (int32_t b = -128; b < 128; ++b)
      for (bool c : {false, true}) {
        const int64_t wide = int64_t{a} + b + c;
        const bool carry = to_unsigned(a) + to_unsigned(b) + c >= modulus;
        const ALU_RESULT got = ALU_KERNEL<OPCODE::ADC>::apply(a, b, c, width);
        ASSERT_EQ(compare(got, wide, carry, !fits(wide)), "") << a << " + " << b << " + " << c;
        if (c) continue;
        const ALU_RESULT plain = ALU_KERNEL<OPCODE::ADD>::apply(a, b, width);
        ASSERT_EQ(compare(plain, wide, carry, !fits(wide)), "") << a << " + " << b;
      }
}

TEST(ALU_KERNELS, subtract_kernels_match_wide_arithmetic_for_every_8_bit_pair) {
  for (int32_t a = -128; a < 128; ++a)
    for (int32_t b = -128; b < 128; ++b)
      for (bool borrow : {false, true}) {
        const int64_t wide = int64_t{a} - b - borrow;
        const bool carry = to_unsigned(a) < to_unsigned(b) + borrow;
        // With Z set before, SUBC keeps the plain subtraction's Z.
        const ALU_RESULT got = ALU_KERNEL<OPCODE::SUBC>::apply(a, b, borrow, true, width);
        ASSERT_EQ(compare(got, wide, carry, !fits(wide)), "") << a << " - " << b << " - " << borrow;
        ASSERT_FALSE(ALU_KERNEL<OPCODE::SUBC>::apply(a, b, borrow, false, width).flags.z);
      }
}

TEST(ALU_KERNELS, shifts_move_one_bit_within_the_register_width) {
  for (int bits : {8, 10, 16}) {
    const DATA_WIDTH w{bits};
    const int64_t size = int64_t{1} << bits, top = size / 2;
    for (int64_t u = 0; u < size; ++u) {
      const int32_t v = static_cast<int32_t>(u >= top ? u - size : u);
      const auto signed_of = [&](int64_t p) {
        return static_cast<int32_t>(p >= top ? p - size : p);
      };
      const bool low = u & 1, high = u >= top;
      ASSERT_EQ(ALU_KERNEL<OPCODE::LSR>::apply(v, w).value, signed_of(u >> 1)) << bits << ' ' << u;
      ASSERT_EQ(ALU_KERNEL<OPCODE::ASR>::apply(v).value, signed_of(u >> 1 | (high ? top : 0)));
      ASSERT_EQ(ALU_KERNEL<OPCODE::ROR>::apply(v, true, w).value, signed_of(u >> 1 | top));
      ASSERT_EQ(ALU_KERNEL<OPCODE::LSL>::apply(v, w).value, signed_of((u << 1) % size));
      ASSERT_EQ(ALU_KERNEL<OPCODE::ROL>::apply(v, true, w).value, signed_of((u << 1 | 1) % size));
      ASSERT_EQ(ALU_KERNEL<OPCODE::LSR>::apply(v, w).flags.c, low);
      ASSERT_EQ(ALU_KERNEL<OPCODE::LSL>::apply(v, w).flags.c, high);
    }
  }
}
