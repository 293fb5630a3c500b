// Where a value of the compiled program lives at run time, and the instructions of every
// elementary operation it takes part in. Binary operations dispatch twice: the primary
// operation goes to the target medium, which sends the matching secondary operation to the
// source. The base class gives every secondary operation its generic form (the source fetched
// into a register, then the register instruction); each medium kind overrides the entries
// where it has a sequence of its own.
#pragma once

#include <cstdint>
#include <string>

class CODEGEN;
class MACHINE;
class POINTER_SM;
class RAM_SM;
class SCRATCH;
struct REGISTER;

enum class MEDIUM_KIND { register_medium, ram, rom, immediate, pointer, dev_null };

class STORAGE_MEDIUM {
 public:
  virtual ~STORAGE_MEDIUM() = default;
  virtual MEDIUM_KIND kind() const = 0;

  // Primary operations: this is the target X, source the other operand Y.
  virtual void assign(CODEGEN&, STORAGE_MEDIUM&) {}
  virtual void add_assign(CODEGEN&, STORAGE_MEDIUM&) {}
  virtual void subtract_assign(CODEGEN&, STORAGE_MEDIUM&) {}
  virtual void and_assign(CODEGEN&, STORAGE_MEDIUM&) {}
  virtual void or_assign(CODEGEN&, STORAGE_MEDIUM&) {}
  virtual void xor_assign(CODEGEN&, STORAGE_MEDIUM&) {}
  virtual void compare(CODEGEN&, STORAGE_MEDIUM&) {}
  virtual void store_indirect(CODEGEN& g, STORAGE_MEDIUM& source);
  virtual void assign_dereferenced(CODEGEN&, STORAGE_MEDIUM&) {}

  // Operations with a constant or no second operand.
  virtual void load_constant(CODEGEN&, int32_t) {}
  virtual void add_constant(CODEGEN&, int32_t) {}
  virtual void compare_constant(CODEGEN&, int32_t) {}
  virtual void shift_left(CODEGEN&, int) {}
  virtual void shift_right(CODEGEN&, int) {}
  virtual void rotate_left(CODEGEN&) {}
  virtual void negate(CODEGEN&) {}
  virtual void to_status_register(CODEGEN&) {}
  // The address pair low:low+1 := itself + this value.
  virtual void add_to_address_register(CODEGEN& g, REGISTER& low);
  virtual void store_stepping(CODEGEN& g, REGISTER& address, bool up);
  virtual void release(CODEGEN&) {}

  // The stage (3) report form, and the debugger form with the value read from the machine.
  virtual std::string print_kind(const MACHINE& machine) const = 0;
  virtual std::string print_value(const MACHINE& machine) const = 0;

  // Secondary operations: this is the source X, the target has a fixed kind.
  virtual void load_into_register(CODEGEN& g, REGISTER& target);
  virtual void store_into_ram(CODEGEN& g, RAM_SM& target);
  virtual void store_into_element(CODEGEN& g, POINTER_SM& target);
  virtual void add_to_register(CODEGEN& g, REGISTER& target);
  virtual void add_to_ram(CODEGEN& g, RAM_SM& target);
  virtual void subtract_from_register(CODEGEN& g, REGISTER& target);
  virtual void subtract_from_ram(CODEGEN& g, RAM_SM& target);
  virtual void and_to_register(CODEGEN& g, REGISTER& target);
  virtual void and_to_ram(CODEGEN& g, RAM_SM& target);
  virtual void or_to_register(CODEGEN& g, REGISTER& target);
  virtual void or_to_ram(CODEGEN& g, RAM_SM& target);
  virtual void xor_to_register(CODEGEN& g, REGISTER& target);
  virtual void xor_to_ram(CODEGEN& g, RAM_SM& target);
  virtual void compare_register_with(CODEGEN& g, REGISTER& target);
  virtual void compare_ram_with(CODEGEN& g, RAM_SM& target);
  virtual void compare_immediate_with(CODEGEN& g, int32_t immediate);
  virtual void store_through_register(CODEGEN& g, REGISTER& pointer);
  virtual void store_through_ram(CODEGEN& g, RAM_SM& pointer);
  virtual void load_through_register(CODEGEN& g, REGISTER& target);

  // The value in a register: the medium's own register, or one taken from use and loaded.
  virtual REGISTER& fetch(CODEGEN& g, SCRATCH& use) = 0;
  // The value known at compile time, for the media that hold a constant.
  virtual bool holds_constant(int32_t&) const { return false; }
};

// The register-to-register instruction of each combining operation, for the generic forms.
enum class COMBINATION { add, subtract, and_, or_, xor_ };
void combine_registers(CODEGEN& g, COMBINATION operation, REGISTER& target, REGISTER& source);
