// The operand readers of the assembler: registers (R5, RX-1), address registers, immediates in
// four bases or by constant name, bit indexes, ports, status flags and label references. A
// reader that fails reports where it stopped, skips the rest of the line and answers nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/position.h"

class ASM_CONSTANT_TABLE;
class ASM_CURSOR;
class ASM_LABEL_TABLE;
class ERROR_HANDLER;
class MACHINE;
struct ASM_LABEL;
struct REGISTER;

// For assembly inside C: the value of the C file's macro of that name. When there is none it
// reports "Unknown constant." itself and answers nothing.
using ASM_MACRO_LOOKUP =
    std::function<std::optional<int32_t>(const std::string& name, const POSITION& position)>;

constexpr bool is_blank(char c) {
  return c == ' ' || c == '\t';
}
constexpr bool is_letter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
constexpr char to_upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

class ASM_OPERAND_READER {
 public:
  // labels is null for assembly inside C, where no label can be defined.
  ASM_OPERAND_READER(ASM_CURSOR& cursor, MACHINE& machine, const ASM_CONSTANT_TABLE& constants,
                     ASM_LABEL_TABLE* labels, const ASM_MACRO_LOOKUP& macro_lookup);

  void skip_blanks();
  void expect_comma();
  REGISTER* read_register();
  REGISTER* read_address_register();
  std::optional<int32_t> read_immediate();
  std::optional<int32_t> read_immediate(int32_t low, int32_t high);
  std::optional<int32_t> read_bit_index();
  std::optional<int32_t> read_port();
  std::optional<char> read_flag();
  ASM_LABEL* read_target();
  // Letters and underscores; a digit ends the name.
  std::string read_constant_name();

  // Reports at the cursor (or at p) and skips the rest of the line.
  void fail(std::string_view message);
  void fail_at(const POSITION& p, std::string_view message);
  // "Register expected (R0, R1, R2, ..., R<X-1>)." at p, then the rest of the line is skipped.
  void fail_register_expected(const POSITION& p);

  ASM_CURSOR& cursor;

 private:
  REGISTER* read_register_from_last();
  std::optional<uint32_t> read_magnitude();
  std::optional<uint32_t> read_digits(int base, std::string_view none_message);
  uint32_t read_decimal_saturated();
  std::optional<int32_t> constant_value(const std::string& name, const POSITION& position);

  MACHINE& machine_;
  ERROR_HANDLER& error_handler_;
  const ASM_CONSTANT_TABLE& constants_;
  ASM_LABEL_TABLE* labels_;
  const ASM_MACRO_LOOKUP& macro_lookup_;
};
