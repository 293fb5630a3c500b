// The fixed roles of the lowest registers in compiled code: the long-jump registers that hold
// indirect-branch targets, the RAM access registers, the temporary couple R5:R4 and one extra
// temporary. What is left goes on the free-register stack for variables, parameters and
// results. The three scratch registers serve one storage operation at a time (SCRATCH).
#pragma once

#include <array>
#include <vector>

#include "forwarding/long_jump.h"
#include "machine/register_pool.h"

class ECHO;

class REGISTER_ROLES {
 public:
  explicit REGISTER_ROLES(REGISTER_POOL& registers) : registers_(registers) {}

  // Fixes every role for the configuration and fills the free-register stack, echoing the
  // report line by line.
  void assign_register_roles(const PROCESSOR_PARAMETERS& parameters, ECHO& echo);

  LONG_JUMP_MODE long_jump_mode() const { return long_jump_mode_; }
  REGISTER& long_jump_low() { return registers_.at(0); }
  REGISTER& long_jump_high() { return registers_.at(1); }
  REGISTER& ram_access() { return registers_.at(2); }
  REGISTER& ram_access_high() { return registers_.at(3); }
  REGISTER& couple_low() { return registers_.at(4); }
  REGISTER& couple_high() { return registers_.at(5); }
  REGISTER& extra_temporary() { return registers_.at(extra_temporary_); }

  // The register number on top of the free-register stack, removed; -1 when it is empty.
  int pop_free_register();

  // Scratch bookkeeping: the first of the extra temporary, R4 and R5 that is not busy, or
  // nullptr when all three are.
  REGISTER* take_scratch();
  bool is_busy(const REGISTER& r) const { return busy_[r.number]; }
  int idle_scratch_count() const;
  void set_busy(const REGISTER& r, bool busy) { busy_[r.number] = busy; }
  REGISTER& at(int n) { return registers_.at(n); }

 private:
  int lowest_idle_register(int register_count) const;
  void reserve(int n) { busy_[n] = true; }

  REGISTER_POOL& registers_;
  std::array<bool, REGISTER_POOL::capacity> busy_{};
  std::vector<int> free_stack_;
  LONG_JUMP_MODE long_jump_mode_ = LONG_JUMP_MODE::byte_pair;
  int extra_temporary_ = 3;
};
