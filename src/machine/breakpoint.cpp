#include "machine/breakpoint.h"

#include "base/user_interface.h"
#include "machine/machine.h"

void BREAKPOINT::wrap(ASM* object) {
  wrapped_ = object;
  position_ = object != nullptr ? object->position() : POSITION{};
}

void BREAKPOINT::execute(MACHINE& machine) {
  if (!machine.user_interface.stop) {
    machine.user_interface.stop = true;  // the program counter stays here, the clock too
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
