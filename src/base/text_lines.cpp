#include "base/text_lines.h"

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
