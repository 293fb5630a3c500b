#include "machine/breakpoint.h"

#include "machine/machine.h"

void BREAKPOINT::wrap(ASM* object) {
  wrapped_ = object;
  position_ = object != nullptr ? object->position() : POSITION{};
}

void BREAKPOINT::execute(MACHINE& machine) {
  if (machine.execution.running()) {
    machine.execution.hold(RUN_STATE::at_breakpoint);  // the program counter stays, the clock too
    return;
  }
  if (wrapped_ != nullptr)
    wrapped_->execute(machine);
  else
    machine.program_counter.advance();
}

void BREAKPOINT::append_text(std::string& text, const MACHINE& machine) const {
  text += "* ";
  if (wrapped_ != nullptr) wrapped_->append_text(text, machine);
}

void BREAKPOINT::check_placement(MACHINE& machine) {
  if (wrapped_ != nullptr) wrapped_->check_placement(machine);
}
