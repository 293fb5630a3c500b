// The data memory: 2^L words of N bits, of which only the written part (addresses 0 to h) is
// stored. Reading above it warns once and writes 0 there; writing above it fills the gap with 0.
// Storage for every possible address is reserved up front, so running never allocates.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/position.h"
#include "machine/processor_parameters.h"

class ERROR_HANDLER;
class REGISTER_POOL;
struct REGISTER;

class MACHINE_RAM {
 public:
  explicit MACHINE_RAM(const PROCESSOR_PARAMETERS& parameters);

  int address_width() const { return parameters_.ram_address_width; }
  // An address wider than a register takes an even register and the next one.
  bool needs_pair() const { return parameters_.data_size < parameters_.ram_address_width; }
  bool is_valid(int64_t address) const {
    return address >= 0 && address < (int64_t{1} << parameters_.ram_address_width);
  }
  int32_t last_address() const { return (int32_t{1} << parameters_.ram_address_width) - 1; }

  // The address held by r (and the register after it when needs_pair): always L bits.
  int32_t address_in(const REGISTER_POOL& registers, const REGISTER& r) const;
  // Writes an address back into r (and the next register when needs_pair).
  void store_address(int32_t address, REGISTER_POOL& registers, REGISTER& r) const;

  // "<a> : is not a valid address in RAM." for an invalid address, which changes nothing.
  void write(int64_t address, int32_t value, const POSITION& position,
             ERROR_HANDLER& error_handler);
  // "Reading un-initialized RAM word." above the written part (then 0 is written there).
  int32_t read(int64_t address, const POSITION& position, ERROR_HANDLER& error_handler);

  bool is_written(int64_t address) const {
    return address >= 0 && address < static_cast<int64_t>(words_.size());
  }
  // The word at a written address, 0 elsewhere; never reports.
  int32_t word(int64_t address) const { return is_written(address) ? words_[address] : 0; }
  // A store to a word already written: nothing to check or report.
  void overwrite(int64_t address, int32_t value) { words_[address] = value; }
  int32_t written_end() const { return static_cast<int32_t>(words_.size()) - 1; }  // h

  // Appends count zero words to the written part; answers the first one's address.
  int32_t allocate(int count);
  // Raises the reservation count (never lowers it).
  void raise_reservation(int count);
  // Allocates the reserved words, when there are any, and records where they start.
  void reserve();
  int reservation_count() const { return reservation_count_; }
  int32_t first_reserved() const { return first_reserved_; }

  // "5   = 0x05 0b00000101 = 5" or "70 is not a valid address in RAM.", with a newline.
  void append_word_line(std::string& text, int64_t address) const;
  // "0x" and the address with ceil(L/4) digits, or 8 digits when it is not valid.
  void append_address(std::string& text, int64_t address) const;

  void reset();

 private:
  const PROCESSOR_PARAMETERS& parameters_;
  std::vector<int32_t> words_;
  int reservation_count_ = 0;
  int32_t first_reserved_ = -1;
};
