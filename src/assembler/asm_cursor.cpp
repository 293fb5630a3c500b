// The file and text cursors of the assembler.
#include "assembler/asm_cursor.h"

#include "assembler/asm_operands.h"

void ASM_CURSOR::skip_blanks() {
  while (is_blank(current())) advance();
}

ASM_FILE_CURSOR::ASM_FILE_CURSOR(ASM_SOURCE_TEXT& text, SRC_FILE* file) : text_(text), file_(file) {
  if (text_.block_count() > 0) enter(0);
}

void ASM_FILE_CURSOR::advance() {
  if (at_end()) return;
  const char c = *here_;
  step();
  if (c != '\n' && c != '\r') {
    ++column_;
    return;
  }
  if (c == '\r' && !at_end() && *here_ == '\n') step();
  ++line_;
  column_ = 1;
}

void ASM_FILE_CURSOR::skip_blanks() {
  for (;;) {
    const char* blank = here_;
    while (blank != end_ && is_blank(*blank)) ++blank;
    column_ += static_cast<int>(blank - here_);
    here_ = blank;
    if (here_ != end_ || !enter_next_block()) return;
  }
}

void ASM_FILE_CURSOR::step() {
  if (++here_ == end_) enter_next_block();
}

bool ASM_FILE_CURSOR::enter_next_block() {
  if (block_ + 1 >= text_.block_count()) return false;
  text_.release(block_);
  enter(block_ + 1);
  return true;
}

void ASM_FILE_CURSOR::enter(size_t block) {
  block_ = block;
  const std::string_view text = text_.block(block);
  here_ = text.data();
  end_ = text.data() + text.size();
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
