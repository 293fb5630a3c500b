// Where the assembler reads: the current character and its position. A file cursor walks the
// text of a file (a newline at each line end, the character 0 after the last); a text cursor
// walks a string that starts at a given position, the way assembly text inside C is read.
#pragma once

#include <string>

#include "assembler/asm_source_text.h"
#include "base/position.h"

class ASM_CURSOR {
 public:
  virtual ~ASM_CURSOR() = default;

  // The character under the cursor; 0 once the input is over.
  virtual char current() const = 0;
  virtual void advance() = 0;
  // True once every character has been read (an embedded 0 byte is not the end).
  virtual bool at_end() const = 0;
  virtual POSITION position() const = 0;

  int column() const { return position().column; }
  // Moves past spaces and tabs; a file cursor does so without a call per character.
  virtual void skip_blanks();
  // Moves onto the newline that ends the current line (or to the end of the input).
  void skip_line() {
    while (!at_end() && current() != '\n') advance();
  }
};

// A file's text, read whole beforehand. A line ends at LF, CR or CR LF, each read as one '\n';
// an empty line yields '\n' at once. Each block of the text is freed once the cursor has left it.
class ASM_FILE_CURSOR final : public ASM_CURSOR {
 public:
  ASM_FILE_CURSOR(ASM_SOURCE_TEXT& text, SRC_FILE* file);

  char current() const override {
    if (here_ == end_) return '\0';
    return *here_ == '\r' ? '\n' : *here_;
  }
  void advance() override;
  bool at_end() const override { return here_ == end_; }
  POSITION position() const override { return POSITION::make(file_, line_, column_); }
  void skip_blanks() override;

 private:
  // One byte on, into the next block at the end of this one.
  void step();
  // False at the last block, which is kept: the cursor then stays at its end.
  bool enter_next_block();
  void enter(size_t block);

  ASM_SOURCE_TEXT& text_;
  SRC_FILE* file_;
  size_t block_ = 0;
  const char* here_ = nullptr;
  const char* end_ = nullptr;  // of the current block
  int line_ = 1;
  int column_ = 1;
};

// A piece of text whose first character stands at `start`; a '\n' in it begins a new line.
class ASM_TEXT_CURSOR final : public ASM_CURSOR {
 public:
  ASM_TEXT_CURSOR(std::string text, POSITION start)
      : text_(std::move(text)),
        line_(start.line),
        column_(start.column),
        file_(start.source_file) {}

  char current() const override { return at_end() ? '\0' : text_[index_]; }
  void advance() override;
  bool at_end() const override { return index_ >= text_.size(); }
  POSITION position() const override { return POSITION::make(file_, line_, column_); }

 private:
  std::string text_;
  size_t index_ = 0;
  int line_;
  int column_;
  SRC_FILE* file_;
};
