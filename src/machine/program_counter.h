// The program counter: the ROM address of the next instruction. The value is kept 64 bits wide
// because a register pair can form an address beyond 2^31 (N = 16 gives 32 bits), which must
// be reported as out of range rather than wrap around.
#pragma once

#include <cstdint>
#include <string>

#include "base/position.h"
#include "machine/processor_parameters.h"

class ERROR_HANDLER;
class MACHINE;
class REGISTER_POOL;
struct REGISTER;

class PROGRAM_COUNTER {
 public:
  explicit PROGRAM_COUNTER(const PROCESSOR_PARAMETERS& parameters) : parameters_(parameters) {}

  int64_t value = 0;

  void advance() { ++value; }
  void add(int64_t offset) { value += offset; }
  int width() const { return parameters_.pc_width; }
  // ROM addresses take a register pair when the data size is below the address width.
  bool needs_pair() const { return parameters_.data_size < parameters_.pc_width; }
  bool is_valid(int64_t address) const {
    return address >= 0 && address <= (int64_t{1} << parameters_.pc_width) - 1;
  }

  // The ROM address held by register r (and the next one when needs_pair).
  int64_t address_in(const REGISTER_POOL& registers, const REGISTER& r) const;
  // value := address_in(r); "Program counter out of range." when it is not a ROM address.
  void jump_to_register(const REGISTER_POOL& registers, const REGISTER& r, const POSITION& position,
                        ERROR_HANDLER& error_handler);

  // The source position of the instruction at the current address; nullptr beyond the ROM.
  const POSITION* current_position(const MACHINE& machine) const;
  // "PC = 12" padded to column 10, the instruction's text, padded to column 40.
  void append_line(std::string& text, const MACHINE& machine) const;
  // The same line for the program counter standing at address.
  void append_line_at(std::string& text, const MACHINE& machine, int64_t address) const;

  void reset() { value = 0; }

 private:
  const PROCESSOR_PARAMETERS& parameters_;
};
