// The multiply and divide routines. The processor has no such instruction, so a program that
// multiplies or divides gets each routine it uses once, after its functions, and calls it.
// Operands go in R4 (left) and R5 (right); the product and the remainder come back in the
// extra temporary, the quotient in R0. A routine changes only those registers and the flags.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/position.h"

class CODEGEN;
class RCALL;
struct REGISTER;

enum class ARITHMETIC_ROUTINE { multiply, unsigned_divide, signed_divide };

class ARITHMETIC_ROUTINES {
 public:
  static constexpr int routine_count = 3;

  // Emits a call of the routine; it is aimed when the routines are laid out.
  void call(CODEGEN& g, ARITHMETIC_ROUTINE routine);
  bool any_called() const;
  // Lays out every routine that was called and aims its calls.
  void lay_out(CODEGEN& g);
  void reset();

  // The registers of the results.
  static REGISTER& product(CODEGEN& g);
  static REGISTER& quotient(CODEGEN& g);
  static REGISTER& remainder(CODEGEN& g);

 private:
  struct CALLS {
    std::vector<RCALL*> sites;
    POSITION first;  // the routine's words carry the position of its first use
  };
  std::array<CALLS, routine_count> calls_;
};
