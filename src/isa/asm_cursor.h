// Where the assembler reads: the current character and its position. A file cursor walks the
// lines of a file (a newline after each line, the character 0 after the last); a text cursor
// walks a string that starts at a given position, the way assembly text inside C is read.
#pragma once

#include <string>
#include <vector>

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
  // Moves onto the newline that ends the current line (or to the end of the input).
  void skip_line() {
    while (!at_end() && current() != '\n') advance();
  }
};

// The lines of a file, read whole beforehand. Past a line's last character comes '\n' once,
// then the next line; an empty line yields '\n' at once.
class ASM_FILE_CURSOR final : public ASM_CURSOR {
 public:
  ASM_FILE_CURSOR(const std::vector<std::string>& lines, SRC_FILE* file)
      : lines_(lines), file_(file) {}

  char current() const override;
  void advance() override;
  bool at_end() const override { return line_ >= lines_.size(); }
  POSITION position() const override;

 private:
  const std::vector<std::string>& lines_;
  SRC_FILE* file_;
  size_t line_ = 0;    // index in lines_
  size_t column_ = 0;  // index in the line; its size stands for the newline
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
