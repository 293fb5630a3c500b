// Reading an assembly file in blocks. The stream's own buffer is bypassed: each block is read
// straight into its string.
#include "assembler/asm_source_text.h"

#include <fstream>

#include "base/error_handler.h"
#include "base/file_tools.h"

ASM_SOURCE_TEXT::ASM_SOURCE_TEXT(std::string_view text, size_t block_size) {
  for (size_t start = 0; start < text.size(); start += block_size)
    append(std::string(text.substr(start, block_size)));
  end_last_line();
}

bool ASM_SOURCE_TEXT::read(const std::string& path, FILE_TOOLS& files,
                           ERROR_HANDLER& error_handler) {
  blocks_.clear();
  std::ifstream file = files.open_read(path);
  if (!file.is_open()) {
    error_handler.append("Unable to open file \"" + path + "\".\n");
    error_handler.error();
    return false;
  }
  for (;;) {
    std::string block(default_block_size, '\0');
    file.read(block.data(), static_cast<std::streamsize>(block.size()));
    block.resize(static_cast<size_t>(file.gcount()));
    if (block.empty()) break;
    append(std::move(block));
  }
  end_last_line();
  files.close_read(file, path);
  return true;
}

void ASM_SOURCE_TEXT::append(std::string block) {
  if (!block.empty()) blocks_.push_back(std::move(block));
}

// The last line ends at the end of the text as if a line end followed it.
void ASM_SOURCE_TEXT::end_last_line() {
  if (blocks_.empty()) return;
  std::string& last = blocks_.back();
  if (last.back() != '\n' && last.back() != '\r') last += '\n';
}
