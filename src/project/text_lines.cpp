#include "project/text_lines.h"

#include <fstream>
#include <iterator>

std::vector<std::string> split_lines(std::string_view text) {
  std::vector<std::string> lines;
  std::string current;
  bool line_open = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\n' || c == '\r') {
      lines.push_back(std::move(current));
      current.clear();
      line_open = false;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current.push_back(c);
      line_open = true;
    }
  }
  if (line_open) lines.push_back(std::move(current));
  return lines;
}

bool read_whole_file(const std::string& path, std::string& contents) {
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return false;
  contents.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return true;
}
