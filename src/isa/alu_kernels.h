// The arithmetic and flags of each ALU instruction, written once: an instruction's execute and
// the fast run loop's handler both call its kernel, ALU_KERNEL<opcode>::apply. Values are N-bit
// and kept sign-extended; a kernel answers the new value and the flags it sets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>

#include "isa/opcode_table.h"
#include "machine/status_register.h"

// N bits, held as 32 - N: a value shifted left by it has its sign bit on bit 31.
struct DATA_WIDTH {
  constexpr explicit DATA_WIDTH(int bits) : shift(32 - bits) {}
  constexpr int bits() const { return 32 - shift; }
  int shift;
};

// Brings a result back to N bits; the 64-bit intermediate never overflows.
constexpr int32_t fit(int64_t v, DATA_WIDTH width) {
  return static_cast<int32_t>(static_cast<uint32_t>(v) << width.shift) >> width.shift;
}

// C and V of r = a + b and of r = a - b, from the three sign bits alone (bit 31 of each word).
constexpr bool add_carry(uint32_t a, uint32_t b, uint32_t r) {
  return ((a & b) | ((a | b) & ~r)) >> 31;
}
constexpr bool add_overflow(uint32_t a, uint32_t b, uint32_t r) {
  return ((a ^ r) & (b ^ r)) >> 31;
}
constexpr bool subtract_carry(uint32_t a, uint32_t b, uint32_t r) {
  return ((~a & b) | (b & r) | (r & ~a)) >> 31;
}
constexpr bool subtract_overflow(uint32_t a, uint32_t b, uint32_t r) {
  return ((a ^ b) & (a ^ r)) >> 31;
}

struct ALU_FLAGS {
  bool c, z, n, v, s;

  // The five flags at their bits of the status word.
  constexpr uint32_t word() const {
    using S_R = STATUS_REGISTER;
    return uint32_t{c} << S_R::C | uint32_t{z} << S_R::Z | uint32_t{n} << S_R::N |
           uint32_t{v} << S_R::V | uint32_t{s} << S_R::S;
  }
};

// S is N XOR V for every instruction here.
constexpr ALU_FLAGS flags_of(bool c, int32_t r, bool v) {
  return {c, r == 0, r < 0, v, (r < 0) != v};
}
constexpr ALU_FLAGS add_flags(int32_t a, int32_t b, int32_t r) {
  return flags_of(add_carry(a, b, r), r, add_overflow(a, b, r));
}
constexpr ALU_FLAGS subtract_flags(int32_t a, int32_t b, int32_t r) {
  return flags_of(subtract_carry(a, b, r), r, subtract_overflow(a, b, r));
}
// AND, OR, EOR and the bit instructions: C and V cleared.
constexpr ALU_FLAGS logic_flags(int32_t r) {
  return flags_of(false, r, false);
}
// Shifts and rotations: C is the bit shifted out, V := N XOR C.
constexpr ALU_FLAGS shift_flags(int32_t r, bool carry) {
  return flags_of(carry, r, (r < 0) != carry);
}

struct ALU_RESULT {
  int32_t value;
  ALU_FLAGS flags;
};

constexpr ALU_RESULT add_with_carry(int32_t a, int32_t b, bool carry, DATA_WIDTH width) {
  const int32_t r = fit(int64_t{a} + b + carry, width);
  return {r, add_flags(a, b, r)};
}
constexpr ALU_RESULT subtract_with_borrow(int32_t a, int32_t b, bool borrow, DATA_WIDTH width) {
  const int32_t r = fit(int64_t{a} - b - borrow, width);
  return {r, subtract_flags(a, b, r)};
}
// The N-bit pattern shifted right by one, with fill as its new bit N-1.
constexpr int32_t shift_right(int32_t v, bool fill, DATA_WIDTH width) {
  const uint32_t top_aligned = static_cast<uint32_t>(v) << width.shift;
  return static_cast<int32_t>(top_aligned >> 1 | uint32_t{fill} << 31) >> width.shift;
}
// Bit i of a sign-extended value; indexes past bit 31 read the sign.
constexpr bool value_bit(int32_t v, int32_t i) {
  if (i < 0) return false;
  return (v >> (i > 31 ? 31 : i)) & 1;
}
// Bit i set to b; bit N-1 also sets bits N to 31, and a bit beyond the register changes nothing.
constexpr int32_t with_bit(int32_t v, int32_t i, bool b, DATA_WIDTH width) {
  const int n = width.bits();
  if (i < 0 || i >= n) return v;
  const uint32_t mask = i == n - 1 ? ~uint32_t{0} << i : uint32_t{1} << i;
  const uint32_t u = static_cast<uint32_t>(v);
  return static_cast<int32_t>(b ? u | mask : u & ~mask);
}
constexpr ALU_RESULT changed_bit(int32_t v, int32_t i, bool b, DATA_WIDTH width) {
  const int32_t r = with_bit(v, i, b, width);
  return {r, logic_flags(r)};
}

// Written for each row marked alu, and for no other: see the check at the end.
template <OPCODE>
struct ALU_KERNEL {};

template <>
struct ALU_KERNEL<OPCODE::ADD> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t b, DATA_WIDTH w) {
    return add_with_carry(a, b, false, w);
  }
};
template <>
struct ALU_KERNEL<OPCODE::ADC> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t b, bool c, DATA_WIDTH w) {
    return add_with_carry(a, b, c, w);
  }
};
template <>
struct ALU_KERNEL<OPCODE::ADI> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t k, DATA_WIDTH w) {
    return add_with_carry(a, k, false, w);
  }
};
template <>
struct ALU_KERNEL<OPCODE::SUB> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t b, DATA_WIDTH w) {
    return subtract_with_borrow(a, b, false, w);
  }
};
// Z accumulates over a chain of SUBC, so a multi-word result is zero only if every word is.
template <>
struct ALU_KERNEL<OPCODE::SUBC> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t b, bool c, bool z, DATA_WIDTH w) {
    ALU_RESULT result = subtract_with_borrow(a, b, c, w);
    result.flags.z = z && result.value == 0;
    return result;
  }
};
// The difference is not kept, only its flags.
template <>
struct ALU_KERNEL<OPCODE::CMP> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t b, DATA_WIDTH w) {
    return subtract_with_borrow(a, b, false, w);
  }
};
template <>
struct ALU_KERNEL<OPCODE::CMPI> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t k, DATA_WIDTH w) {
    return subtract_with_borrow(a, k, false, w);
  }
};
// The most negative value has no positive counterpart in N bits and stays as it is.
template <>
struct ALU_KERNEL<OPCODE::NEG> {
  static constexpr ALU_RESULT apply(int32_t a, DATA_WIDTH w) {
    const int32_t most_negative = fit(int64_t{1} << (w.bits() - 1), w);
    const int32_t r = a == most_negative ? a : -a;
    return {r, flags_of(r == 0, r, r == most_negative)};
  }
};
template <>
struct ALU_KERNEL<OPCODE::AND> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t b) { return {a & b, logic_flags(a & b)}; }
};
template <>
struct ALU_KERNEL<OPCODE::OR> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t b) { return {a | b, logic_flags(a | b)}; }
};
// EOR Ra,Ra gives 0, as CLR must.
template <>
struct ALU_KERNEL<OPCODE::EOR> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t b) { return {a ^ b, logic_flags(a ^ b)}; }
};
// ~a stays sign-extended.
template <>
struct ALU_KERNEL<OPCODE::COM> {
  static constexpr ALU_RESULT apply(int32_t a) { return {~a, flags_of(true, ~a, false)}; }
};
// a >> 1 keeps the sign.
template <>
struct ALU_KERNEL<OPCODE::ASR> {
  static constexpr ALU_RESULT apply(int32_t a) { return {a >> 1, shift_flags(a >> 1, a & 1)}; }
};
template <>
struct ALU_KERNEL<OPCODE::LSR> {
  static constexpr ALU_RESULT apply(int32_t a, DATA_WIDTH w) {
    const int32_t r = static_cast<int32_t>((static_cast<uint32_t>(a) << w.shift) >> (w.shift + 1));
    return {r, shift_flags(r, a & 1)};
  }
};
template <>
struct ALU_KERNEL<OPCODE::LSL> {
  static constexpr ALU_RESULT apply(int32_t a, DATA_WIDTH w) {
    const int32_t r = fit(int64_t{a} * 2, w);
    return {r, shift_flags(r, a < 0)};
  }
};
template <>
struct ALU_KERNEL<OPCODE::ROL> {
  static constexpr ALU_RESULT apply(int32_t a, bool c, DATA_WIDTH w) {
    const int32_t r = fit(int64_t{a} * 2 + c, w);
    return {r, shift_flags(r, a < 0)};
  }
};
template <>
struct ALU_KERNEL<OPCODE::ROR> {
  static constexpr ALU_RESULT apply(int32_t a, bool c, DATA_WIDTH w) {
    const int32_t r = shift_right(a, c, w);
    return {r, shift_flags(r, a & 1)};
  }
};
template <>
struct ALU_KERNEL<OPCODE::BITCHG> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t i, DATA_WIDTH w) {
    return changed_bit(a, i, !value_bit(a, i), w);
  }
};
template <>
struct ALU_KERNEL<OPCODE::BITCLR> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t i, DATA_WIDTH w) {
    return changed_bit(a, i, false, w);
  }
};
template <>
struct ALU_KERNEL<OPCODE::BITSET> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t i, DATA_WIDTH w) {
    return changed_bit(a, i, true, w);
  }
};
// Z takes the bit's own value, so Z = 1 means the bit is set; the register is not written.
template <>
struct ALU_KERNEL<OPCODE::BITST> {
  static constexpr ALU_RESULT apply(int32_t a, int32_t i) {
    return {a, {false, value_bit(a, i), false, false, false}};
  }
};
// The transfers set no flag: their kernels answer the value alone.
template <>
struct ALU_KERNEL<OPCODE::TFR> {
  static constexpr int32_t apply(int32_t b) { return b; }
};
template <>
struct ALU_KERNEL<OPCODE::LDIL> {
  static constexpr int32_t apply(int32_t a, int32_t k, DATA_WIDTH w) {
    return fit((a & ~0xFF) | (k & 0xFF), w);
  }
};
// Bits of k beyond N - 9 fall above the register's width; with N = 8 nothing changes.
template <>
struct ALU_KERNEL<OPCODE::LDIH> {
  static constexpr int32_t apply(int32_t a, int32_t k, DATA_WIDTH w) {
    return w.bits() > 8 ? fit((a & 0xFF) | (k & 0xFF) << 8, w) : a;
  }
};

template <OPCODE op>
concept has_kernel = requires {
  &ALU_KERNEL<op>::apply;
};

// A row marked alu without its kernel, or a kernel for a row not so marked, fails the build.
template <std::size_t... index>
constexpr bool kernels_match_rows(std::index_sequence<index...>) {
  return ((opcode_table[index].alu == has_kernel<static_cast<OPCODE>(index)>)&&...);
}
static_assert(kernels_match_rows(std::make_index_sequence<opcode_table.size()>{}),
              "each row marked alu has its ALU_KERNEL, and only those rows");
