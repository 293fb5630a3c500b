// The text of an assembly file, read whole before parsing (so the file is closed before any
// message of the parse) in blocks that the file cursor frees as it passes them: a large file is
// never held whole beside the instructions built from it, which reuse the blocks' memory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class ERROR_HANDLER;
class FILE_TOOLS;

class ASM_SOURCE_TEXT {
 public:
  // Small enough for the allocator to hand a freed block on to the instructions.
  static constexpr size_t default_block_size = 64 * 1024;

  ASM_SOURCE_TEXT() = default;
  // The text itself, cut every block_size characters.
  explicit ASM_SOURCE_TEXT(std::string_view text, size_t block_size = default_block_size);

  // Reads the file; when it cannot be opened, reports "Unable to open file" as an error and
  // answers false.
  bool read(const std::string& path, FILE_TOOLS& files, ERROR_HANDLER& error_handler);

  // Blocks are never empty; a text that does not end its last line gets a line feed added.
  size_t block_count() const { return blocks_.size(); }
  std::string_view block(size_t k) const { return blocks_[k]; }
  // Frees block k, which must not be read again.
  void release(size_t k) { std::string().swap(blocks_[k]); }

 private:
  void append(std::string block);
  void end_last_line();

  std::vector<std::string> blocks_;
};
