// The file and text cursors of the assembler.
#include "isa/asm_cursor.h"

char ASM_FILE_CURSOR::current() const {
  if (at_end()) return '\0';
  const std::string& line = lines_[line_];
  return column_ < line.size() ? line[column_] : '\n';
}

void ASM_FILE_CURSOR::advance() {
  if (at_end()) return;
  if (column_ < lines_[line_].size()) {
    ++column_;
  } else {
    ++line_;
    column_ = 0;
  }
}

POSITION ASM_FILE_CURSOR::position() const {
  return POSITION::make(file_, static_cast<int>(line_) + 1, static_cast<int>(column_) + 1);
}

void ASM_TEXT_CURSOR::advance() {
  if (at_end()) return;
  if (text_[index_] == '\n') {
    ++line_;
    column_ = 1;
  } else {
    ++column_;
  }
  ++index_;
}
