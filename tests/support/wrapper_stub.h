// Stands in a ROM slot for another instruction, as a breakpoint does: prints "* " and the
// wrapped text, answers the wrapped object and is not owned by the ROM (put in with replace).
#pragma once

#include <string>

#include "machine/asm.h"

class WRAPPER_STUB final : public ASM {
 public:
  explicit WRAPPER_STUB(ASM* inner) : ASM(inner->position()), inner_(inner) {}
  void execute(MACHINE&) override {}
  uint16_t code() const override { return inner_->code(); }
  void append_text(std::string& text, const MACHINE& machine) const override {
    text += "* ";
    inner_->append_text(text, machine);
  }
  int instruction_number() const override { return 10000; }
  const ASM* wrapped() const override { return inner_; }

 private:
  ASM* inner_;
};
