// The assembler's view of the C parser: assembly inside C is read straight from the C parser's
// cursor, so positions in messages and in the instructions are those of the C file.
#pragma once

#include "assembler/asm_cursor.h"
#include "cfront/c_parser.h"

class C_ASM_CURSOR final : public ASM_CURSOR {
 public:
  explicit C_ASM_CURSOR(C_PARSER& parser) : parser_(parser) {}

  char current() const override { return parser_.current(); }
  void advance() override { parser_.next_char(); }
  bool at_end() const override { return parser_.at_end_of_file(); }
  POSITION position() const override { return parser_.cursor_position(); }

 private:
  C_PARSER& parser_;
};
