// Layout, labels, mnemonics and operand forms of the assembler. Each step reads at least one
// character or reaches the end, so every input is parsed to its end; after an error the rest of
// the line is skipped and the next line is parsed as usual.
#include "assembler/asm_parser.h"

#include "assembler/asm_cursor.h"
#include "assembler/asm_mnemonics.h"
#include "assembler/asm_source_text.h"
#include "base/error_handler.h"
#include "base/src_file_registry.h"
#include "machine/machine.h"

namespace {

// layout := { blank | newline | carriage return | ("*" | ";") rest-of-line }
// The end of the input reads as 0, which is no layout.
void skip_layout(ASM_CURSOR& cursor) {
  for (;;) {
    cursor.skip_blanks();
    const char c = cursor.current();
    if (c == '\n' || c == '\r') {
      cursor.advance();
    } else if (c == '*' || c == ';') {
      cursor.skip_line();
    } else {
      return;
    }
  }
}

bool at_label(const ASM_CURSOR& cursor) {
  return cursor.column() == 1 && is_letter(cursor.current());
}

}  // namespace

bool ASM_PARSER::parse_file(const std::string& path) {
  ASM_SOURCE_TEXT text;
  if (!text.read(path, files_, error_handler_)) return false;
  release_labels_when_unused();
  labels_.clear();
  ASM_FILE_CURSOR cursor(text, &source_files_.source_file_for(path));
  const ASM_MACRO_LOOKUP no_macros;
  ASM_OPERAND_READER reader(cursor, machine_, constants_, &labels_, no_macros);
  while (!cursor.at_end()) {
    if (std::unique_ptr<ASM> instruction = parse_instruction(reader, true))
      machine_.rom.append(std::move(instruction));
  }
  labels_.report_undefined(error_handler_);
  return error_handler_.error_count() == 0;
}

// Errors counted before the call belong to the C text around it, so only new ones stop here.
std::unique_ptr<ASM> ASM_PARSER::parse_one(ASM_CURSOR& cursor,
                                           const ASM_MACRO_LOOKUP& macro_lookup) {
  const int errors_before = error_handler_.error_count();
  ASM_OPERAND_READER reader(cursor, machine_, constants_, nullptr, macro_lookup);
  while (!cursor.at_end() && error_handler_.error_count() == errors_before) {
    if (std::unique_ptr<ASM> instruction = parse_instruction(reader, false)) return instruction;
  }
  return nullptr;
}

void ASM_PARSER::clear_constants() {
  constants_.clear();
  release_labels_when_unused();
}

void ASM_PARSER::release_labels_when_unused() {
  if (machine_.rom.empty()) labels_.release();
}

// instruction := layout [ label ] layout [ mnemonic operands ] layout
std::unique_ptr<ASM> ASM_PARSER::parse_instruction(ASM_OPERAND_READER& reader, bool in_file) {
  ASM_CURSOR& cursor = reader.cursor;
  skip_layout(cursor);
  if (in_file && at_label(cursor)) {
    define_label(cursor);
    skip_layout(cursor);
    if (at_label(cursor)) return nullptr;  // the next label starts the next step
  }
  if (cursor.at_end()) return nullptr;
  std::unique_ptr<ASM> instruction = parse_mnemonic(reader);
  skip_layout(cursor);
  return instruction;
}

// label := letter { letter | digit | "_" } { blank | newline } ":"
void ASM_PARSER::define_label(ASM_CURSOR& cursor) {
  const POSITION start = cursor.position();
  std::string name;
  while (is_letter(cursor.current()) || is_digit(cursor.current()) || cursor.current() == '_') {
    name += cursor.current();
    cursor.advance();
  }
  while (is_blank(cursor.current()) || cursor.current() == '\n') cursor.advance();
  if (cursor.current() == ':') {
    cursor.advance();
  } else {
    error_handler_.warning_at(cursor.position(), "\":\" expected after a label.");
  }
  labels_.define(name, start, machine_.rom.size(), error_handler_);
}

std::unique_ptr<ASM> ASM_PARSER::parse_mnemonic(ASM_OPERAND_READER& reader) {
  ASM_OPERANDS operands{reader.cursor.position()};
  const ASM_MNEMONIC* mnemonic = read_mnemonic(reader.cursor);
  if (mnemonic == nullptr) {
    reader.fail("Unknown asm instruction.");
    return nullptr;
  }
  if (!accept_what_follows(*mnemonic, reader)) return nullptr;
  operands.flag = mnemonic->flag;
  switch (mnemonic->form) {
    case ASM_OPERAND_FORM::CONSTANT_DEFINITION:
      define_constant(reader);
      return nullptr;
    case ASM_OPERAND_FORM::R_ADDRESS_STEP:
      return read_stepped(*mnemonic, reader, operands);
    default:
      break;
  }
  if (!read_operands(*mnemonic, reader, operands)) return nullptr;
  return mnemonic->build(operands, error_handler_);
}

bool ASM_PARSER::accept_what_follows(const ASM_MNEMONIC& mnemonic, ASM_OPERAND_READER& reader) {
  ASM_CURSOR& cursor = reader.cursor;
  switch (mnemonic.after) {
    case AFTER_MNEMONIC::ANYTHING:
      return true;
    case AFTER_MNEMONIC::SKIP_ONE_CHARACTER:
      cursor.advance();
      return true;
    case AFTER_MNEMONIC::BLANK_ELSE_REGISTER_MESSAGE:
      if (is_blank(cursor.current())) return true;
      reader.fail_register_expected(cursor.position());
      return false;
    case AFTER_MNEMONIC::BLANK_ELSE_MESSAGE:
      if (is_blank(cursor.current())) return true;
      reader.fail(mnemonic.no_blank_message);
      return false;
  }
  return false;
}

// The operands of every form but LDX/STX and CST, in the order they are written.
bool ASM_PARSER::read_operands(const ASM_MNEMONIC& mnemonic, ASM_OPERAND_READER& reader,
                               ASM_OPERANDS& o) {
  using FORM = ASM_OPERAND_FORM;
  const FORM form = mnemonic.form;
  if (form == FORM::NONE) return true;
  if (form == FORM::FLAG_ADDRESS || form == FORM::FLAG_TARGET) {
    const std::optional<char> flag = reader.read_flag();
    if (!flag) return false;
    o.flag = *flag;
    reader.expect_comma();
  }
  if (form == FORM::R || form == FORM::RR || form == FORM::R_IMMEDIATE || form == FORM::R_BIT ||
      form == FORM::R_ADDRESS || form == FORM::R_PORT) {
    if ((o.first = reader.read_register()) == nullptr) return false;
    if (form == FORM::R) return true;
    reader.expect_comma();
  }
  return read_last_operand(mnemonic, reader, o);
}

// The operand after the register or the flag (or the only one).
bool ASM_PARSER::read_last_operand(const ASM_MNEMONIC& mnemonic, ASM_OPERAND_READER& reader,
                                   ASM_OPERANDS& o) {
  using FORM = ASM_OPERAND_FORM;
  std::optional<int32_t> value;
  // clang-format off
  switch (mnemonic.form) {
    case FORM::RR: return (o.second = reader.read_register()) != nullptr;
    case FORM::R_ADDRESS: return (o.second = reader.read_address_register()) != nullptr;
    case FORM::ADDRESS:
    case FORM::FLAG_ADDRESS: return (o.first = reader.read_address_register()) != nullptr;
    case FORM::FLAG_TARGET:
    case FORM::TARGET: return (o.label = reader.read_target()) != nullptr;
    case FORM::R_IMMEDIATE: value = reader.read_immediate(mnemonic.low, mnemonic.high); break;
    case FORM::R_BIT: value = reader.read_bit_index(); break;
    case FORM::R_PORT: value = reader.read_port(); break;
    case FORM::PROGRAM_CONSTANT: value = reader.read_immediate(); break;
    default: return false;
  }
  // clang-format on
  o.immediate = value.value_or(0);
  return value.has_value();
}

// stepped := register "," ( "-" address-register | address-register blanks "+" )
std::unique_ptr<ASM> ASM_PARSER::read_stepped(const ASM_MNEMONIC& mnemonic,
                                              ASM_OPERAND_READER& reader, ASM_OPERANDS& o) {
  if ((o.first = reader.read_register()) == nullptr) return nullptr;
  reader.expect_comma();
  reader.skip_blanks();
  const bool pre_decrement = reader.cursor.current() == '-';
  if (pre_decrement) reader.cursor.advance();
  if ((o.second = reader.read_address_register()) == nullptr) return nullptr;
  if (pre_decrement) return mnemonic.build_pre_decrement(o, error_handler_);
  reader.skip_blanks();
  if (reader.cursor.current() != '+') {
    reader.fail(mnemonic.missing_plus_message);
    return nullptr;
  }
  reader.cursor.advance();
  return mnemonic.build(o, error_handler_);
}

// constant-definition := "CST" blanks ( letter | "_" ) { letter | "_" } immediate
void ASM_PARSER::define_constant(ASM_OPERAND_READER& reader) {
  reader.skip_blanks();
  const char c = reader.cursor.current();
  if (!is_letter(c) && c != '_') {
    reader.fail("Constant name expected.");
    return;
  }
  const std::string name = reader.read_constant_name();
  if (const std::optional<int32_t> value = reader.read_immediate()) constants_.define(name, *value);
}
