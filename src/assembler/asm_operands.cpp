// The operand readers. Numbers are gathered in unsigned arithmetic: immediates wrap to 32 bits
// as their digits go, register and port numbers saturate so that no huge number wraps into a
// valid one. At the end of the input the cursor answers 0, which no reader accepts.
#include "assembler/asm_operands.h"

#include <array>
#include <utility>

#include "assembler/asm_constant_table.h"
#include "assembler/asm_cursor.h"
#include "assembler/asm_label_table.h"
#include "base/error_handler.h"
#include "machine/machine.h"

namespace {

constexpr uint64_t too_big = uint64_t{1} << 32;  // saturation value of register and port numbers
constexpr uint64_t first_refused_port = 127;
constexpr int last_register_from_end = 8;  // RX-1 to RX-8

// Status flag operands: a letter in either case or the flag's digit.
constexpr std::array<std::pair<char, char>, 12> flag_spellings{{
    {'C', 'C'},
    {'0', 'C'},
    {'Z', 'Z'},
    {'1', 'Z'},
    {'N', 'N'},
    {'2', 'N'},
    {'V', 'V'},
    {'3', 'V'},
    {'S', 'S'},
    {'4', 'S'},
    {'I', 'I'},
    {'7', 'I'},
}};

constexpr int digit_value(char c) {
  if (is_digit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

constexpr bool starts_constant_name(char c) {
  return is_letter(c) || c == '_';
}

}  // namespace

ASM_OPERAND_READER::ASM_OPERAND_READER(ASM_CURSOR& cursor, MACHINE& machine,
                                       const ASM_CONSTANT_TABLE& constants, ASM_LABEL_TABLE* labels,
                                       const ASM_MACRO_LOOKUP& macro_lookup)
    : cursor(cursor),
      machine_(machine),
      error_handler_(machine.error_handler),
      constants_(constants),
      labels_(labels),
      macro_lookup_(macro_lookup) {}

void ASM_OPERAND_READER::skip_blanks() {
  cursor.skip_blanks();
}

void ASM_OPERAND_READER::fail(std::string_view message) {
  fail_at(cursor.position(), message);
}

void ASM_OPERAND_READER::fail_at(const POSITION& p, std::string_view message) {
  error_handler_.error_at(p, message);
  cursor.skip_line();
}

void ASM_OPERAND_READER::fail_register_expected(const POSITION& p) {
  error_handler_.add_position(p);
  error_handler_.append("Register expected (R0, R1, R2, ..., R")
      .append(machine_.parameters.register_count - 1)
      .append(").");
  error_handler_.error();
  cursor.skip_line();
}

// comma := blanks ","   (a missing comma is reported and the operands go on)
void ASM_OPERAND_READER::expect_comma() {
  skip_blanks();
  if (cursor.current() == ',') {
    cursor.advance();
    return;
  }
  error_handler_.error_at(cursor.position(), "\",\" expected.");
}

uint32_t ASM_OPERAND_READER::read_decimal_saturated() {
  uint64_t value = 0;
  for (char c = cursor.current(); is_digit(c); c = cursor.current()) {
    value = std::min(value * 10 + static_cast<uint64_t>(c - '0'), too_big);
    cursor.advance();
  }
  return static_cast<uint32_t>(std::min(value, too_big - 1));
}

// register := blanks ("R" | "r") ( digit { digit } | ("X" | "x") "-" digit )
REGISTER* ASM_OPERAND_READER::read_register() {
  skip_blanks();
  const POSITION start = cursor.position();
  if (to_upper(cursor.current()) != 'R') {
    fail_register_expected(start);
    return nullptr;
  }
  cursor.advance();
  REGISTER* r = nullptr;
  if (is_digit(cursor.current())) {
    r = machine_.registers.get(read_decimal_saturated());
  } else if (to_upper(cursor.current()) == 'X') {
    r = read_register_from_last();
  } else {
    error_handler_.error_at(cursor.position(), "Register number expected.");
  }
  if (r == nullptr) fail_register_expected(start);
  return r;
}

// RX-k names the register X-k: RX-1 is the last one.
REGISTER* ASM_OPERAND_READER::read_register_from_last() {
  cursor.advance();
  if (cursor.current() != '-') return nullptr;
  cursor.advance();
  const char k = cursor.current();
  if (k < '1' || k > '0' + last_register_from_end) return nullptr;
  cursor.advance();
  return machine_.registers.get(machine_.parameters.register_count - (k - '0'));
}

// address-register := blanks "(" { blank | newline } register-with-even-number blanks ")"
REGISTER* ASM_OPERAND_READER::read_address_register() {
  skip_blanks();
  if (cursor.current() != '(') {
    fail("Missing \"(\".");
    return nullptr;
  }
  cursor.advance();
  while ((is_blank(cursor.current()) || cursor.current() == '\n')) cursor.advance();
  const POSITION start = cursor.position();
  REGISTER* r = read_register();
  if (r == nullptr) return nullptr;
  if (r->number % 2 != 0) {
    fail_at(start, "Address register expected (must be an even register).");
    return nullptr;
  }
  skip_blanks();
  if (cursor.current() != ')') {
    fail("Missing \")\".");
    return nullptr;
  }
  cursor.advance();
  return r;
}

// immediate := blanks "#" [ "+" | "-" ] blanks magnitude
std::optional<int32_t> ASM_OPERAND_READER::read_immediate() {
  skip_blanks();
  if (cursor.current() != '#') {
    fail("Immediate value expected.");
    return std::nullopt;
  }
  cursor.advance();
  const char sign = cursor.current();
  if (sign == '+' || sign == '-') cursor.advance();
  skip_blanks();
  const std::optional<uint32_t> magnitude = read_magnitude();
  if (!magnitude) return std::nullopt;
  return static_cast<int32_t>(sign == '-' ? 0u - *magnitude : *magnitude);
}

// magnitude := "0b" bin {bin} | "0o" oct {oct} | "0x" hex {hex} | dec {dec} | constant-name
std::optional<uint32_t> ASM_OPERAND_READER::read_magnitude() {
  const char c = cursor.current();
  if (starts_constant_name(c)) {
    const POSITION start = cursor.position();
    const std::optional<int32_t> value = constant_value(read_constant_name(), start);
    if (!value) return std::nullopt;
    return static_cast<uint32_t>(*value);
  }
  if (!is_digit(c)) {
    fail("Immediate value expected.");
    return std::nullopt;
  }
  if (c == '0') {
    cursor.advance();
    switch (to_upper(cursor.current())) {
      case 'B':
        cursor.advance();
        return read_digits(2, "Binary immediate value expected.");
      case 'O':
        cursor.advance();
        return read_digits(8, "Octal immediate value expected.");
      case 'X':
        cursor.advance();
        return read_digits(16, "Hexadecimal immediate value expected.");
      default:
        break;  // a leading zero is still decimal: #017 is 17
    }
  }
  return read_digits(10, "");
}

// Digits of the base, wrapping to 32 bits; a plain decimal may have had its only digit (0) read.
std::optional<uint32_t> ASM_OPERAND_READER::read_digits(int base, std::string_view none_message) {
  uint32_t value = 0;
  int count = 0;
  for (int digit = digit_value(cursor.current()); digit < base;
       digit = digit_value(cursor.current())) {
    value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
    ++count;
    cursor.advance();
  }
  if (count == 0 && !none_message.empty()) {
    fail(none_message);
    return std::nullopt;
  }
  return value;
}

std::optional<int32_t> ASM_OPERAND_READER::read_immediate(int32_t low, int32_t high) {
  skip_blanks();
  const POSITION start = cursor.position();
  const std::optional<int32_t> value = read_immediate();
  if (!value || (*value >= low && *value <= high)) return value;
  error_handler_.add_position(start);
  error_handler_.append("Immediate value out of range [").append(low).append("..").append(high);
  error_handler_.append("].");
  error_handler_.error();
  return low;
}

std::string ASM_OPERAND_READER::read_constant_name() {
  std::string name;
  while (starts_constant_name(cursor.current())) {
    name += cursor.current();
    cursor.advance();
  }
  return name;
}

// The constant table first, then the two predefined names, then (inside C) the C macros.
std::optional<int32_t> ASM_OPERAND_READER::constant_value(const std::string& name,
                                                          const POSITION& position) {
  if (const std::optional<int32_t> value = constants_.find(name)) return value;
  if (name == "_TAVREL_N") return machine_.parameters.data_size;
  if (name == "_TAVREL_X") return machine_.parameters.register_count;
  if (macro_lookup_) {
    const std::optional<int32_t> value = macro_lookup_(name, position);
    if (!value) cursor.skip_line();
    return value;
  }
  fail_at(position, "Unknown constant.");
  return std::nullopt;
}

// bit-index := blanks [ "#" blanks ] digit { digit }, each prefix within 0 to N-1
std::optional<int32_t> ASM_OPERAND_READER::read_bit_index() {
  skip_blanks();
  if (cursor.current() == '#') {
    cursor.advance();
    skip_blanks();
  }
  if (!is_digit(cursor.current())) {
    fail("Register bit index expected.");
    return std::nullopt;
  }
  int32_t value = 0;
  while (is_digit(cursor.current())) {
    value = value * 10 + (cursor.current() - '0');
    if (value > machine_.parameters.data_size - 1) {
      error_handler_.error_at(cursor.position(), "Register bit index out of range.");
      fail("Register bit index expected.");
      return std::nullopt;
    }
    cursor.advance();
  }
  return value;
}

// port := blanks ( digit { digit } (below 127) | constant-name )
std::optional<int32_t> ASM_OPERAND_READER::read_port() {
  skip_blanks();
  const POSITION start = cursor.position();
  if (starts_constant_name(cursor.current())) return constant_value(read_constant_name(), start);
  if (!is_digit(cursor.current())) {
    fail("Port number expected. ");
    return std::nullopt;
  }
  const uint32_t port = read_decimal_saturated();
  if (port >= first_refused_port) {
    fail_at(start, "Port number expected. ");
    return std::nullopt;
  }
  return static_cast<int32_t>(port);
}

// flag := blanks "#" blanks ( C | Z | N | V | S | I in either case | 0 | 1 | 2 | 3 | 4 | 7 )
std::optional<char> ASM_OPERAND_READER::read_flag() {
  skip_blanks();
  if (cursor.current() == '#') {
    cursor.advance();
    skip_blanks();
    for (const auto& [spelling, flag] : flag_spellings) {
      if (to_upper(cursor.current()) == spelling) {
        cursor.advance();
        return flag;
      }
    }
  }
  fail("Status register flag expected.");
  return std::nullopt;
}

// target := blanks [ "#" ] blanks letter { letter | digit | "_" }
ASM_LABEL* ASM_OPERAND_READER::read_target() {
  skip_blanks();
  if (cursor.current() == '#') cursor.advance();
  skip_blanks();
  if (!is_letter(cursor.current())) {
    fail("Label expected.");
    return nullptr;
  }
  const POSITION start = cursor.position();
  std::string name;
  while ((is_letter(cursor.current()) || is_digit(cursor.current()) || cursor.current() == '_')) {
    name += cursor.current();
    cursor.advance();
  }
  // Inside C nothing can define a label, so a reference could never be resolved.
  if (labels_ == nullptr) {
    fail_at(start, "Label not defined.");
    return nullptr;
  }
  return labels_->find_or_add(name, start);
}
