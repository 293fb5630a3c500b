// Assembly inside C: an `asm( ... )` instruction, the `#asm ... #endasm` macro that hands C
// values to registers and back, and the registers such a macro names.
#pragma once

#include <memory>
#include <vector>

#include "cfront/compound.h"
#include "cfront/expression.h"

class ASM;
class SIMPLE_ASSIGNMENT;
struct REGISTER;

// `Rn` or the relative form `Rx-d` (register X - d).
class REGISTER_FROM_C final : public OF_KIND<EXPRESSION, EXPRESSION_KIND::register_from_c> {
 public:
  REGISTER_FROM_C(POSITION position, POSITION second_position, int number, bool relative)
      : position(position), second_position(second_position), number(number), relative(relative) {}
  EXPRESSION* simplify(C_PROGRAM&) override { return this; }
  C_TYPE* type_of(C_PROGRAM&) override { return nullptr; }
  void check_writable(C_PROGRAM&) override {}
  POSITION position_of() const override { return position; }
  // "This register is not available." when outside R0 to R(X-1); then register 0 is used.
  void check(C_PROGRAM& program);

  POSITION position;
  POSITION second_position;  // the relative form's last character
  int number;
  bool relative;
  REGISTER* machine_register = nullptr;  // set by the check
};

// One instruction of an `asm( ... )` statement, as the assembler read it.
class ASM_CALL final : public OF_KIND<STATEMENT, STATEMENT_KIND::asm_call> {
 public:
  ASM_CALL(COMPOUND* block, POSITION position, std::unique_ptr<ASM> instruction);
  ~ASM_CALL() override;
  void check(C_PROGRAM&) override {}

  POSITION position;
  std::unique_ptr<ASM> instruction;  // handed to the ROM by the code generator
};

class ASM_MACRO final : public OF_KIND<STATEMENT, STATEMENT_KIND::asm_macro> {
 public:
  ASM_MACRO(COMPOUND* block, POSITION start) : OF_KIND(block), start(start) {}
  void check(C_PROGRAM& program) override;

  POSITION start;
  POSITION end;                             // at #endasm
  std::vector<SIMPLE_ASSIGNMENT*> inputs;   // register = C expression
  std::vector<SIMPLE_ASSIGNMENT*> outputs;  // C expression = register
  std::vector<REGISTER_FROM_C*> registers;  // the first line's list, without duplicates
  COMPOUND* body = nullptr;                 // holds the asm( ... ) statement
};
