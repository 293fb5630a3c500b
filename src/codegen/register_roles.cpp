#include "codegen/register_roles.h"

#include "base/echo.h"

namespace {

void echo_register(ECHO& echo, const char* text, int n, const char* after) {
  echo.echo_string(text);
  echo.echo_string("R");
  echo.echo_integer(n);
  echo.echo_string(after);
}

}  // namespace

int REGISTER_ROLES::lowest_idle_register(int register_count) const {
  for (int n = 0; n < register_count; ++n)
    if (!busy_[n]) return n;
  return -1;
}

void REGISTER_ROLES::assign_register_roles(const PROCESSOR_PARAMETERS& parameters, ECHO& echo) {
  busy_.fill(false);
  free_stack_.clear();
  long_jump_mode_ = long_jump_mode_for(parameters);
  reserve(0);
  if (long_jump_mode_ == LONG_JUMP_MODE::one_register) {
    echo.echo_string("Long jump register: R0 (only one)\n");
  } else {
    reserve(1);
    echo.echo_string("Long jump registers: R1 R0\n");
  }
  reserve(2);
  if (parameters.ram_address_width > parameters.data_size) {
    reserve(3);
    echo.echo_string("RAM access registers: R3 R2\n");
  } else {
    echo.echo_string("RAM access register: R2 (only one)\n");
  }
  reserve(4);
  reserve(5);
  echo.echo_string("Temporary couple of registers: R5 R4\n");
  extra_temporary_ = lowest_idle_register(parameters.register_count);
  reserve(extra_temporary_);
  echo_register(echo, "Extra temporary: ", extra_temporary_, "\n");
  int idle = 0;
  for (int n = 0; n < parameters.register_count; ++n) idle += busy_[n] ? 0 : 1;
  echo.echo_string("Free register(s) for the user: ");
  echo.echo_integer(idle);
  echo.echo_string(".\n");
  for (int k = 0; k < idle; ++k) {
    const int n = lowest_idle_register(parameters.register_count);
    reserve(n);
    free_stack_.push_back(n);
  }
  busy_[4] = busy_[5] = busy_[extra_temporary_] = false;
}

int REGISTER_ROLES::pop_free_register() {
  if (free_stack_.empty()) return -1;
  const int n = free_stack_.back();
  free_stack_.pop_back();
  return n;
}

REGISTER* REGISTER_ROLES::take_scratch() {
  for (REGISTER* r : {&extra_temporary(), &couple_low(), &couple_high()}) {
    if (busy_[r->number]) continue;
    busy_[r->number] = true;
    return r;
  }
  return nullptr;
}

int REGISTER_ROLES::idle_scratch_count() const {
  int idle = 0;
  for (int n : {extra_temporary_, 4, 5}) idle += busy_[n] ? 0 : 1;
  return idle;
}
