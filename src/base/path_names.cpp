#include "base/path_names.h"

namespace {

bool is_separator(char c) {
  return c == '/' || c == '\\';
}

}  // namespace

std::string directory_part(std::string_view path) {
  size_t last = path.find_last_of("/\\");
  if (last == std::string_view::npos) return "";
  return std::string(path.substr(0, last + 1));
}

std::string join_path(std::string_view directory, std::string_view name) {
  while (!directory.empty() && is_separator(directory.back())) directory.remove_suffix(1);
  while (!name.empty() && is_separator(name.front())) name.remove_prefix(1);
  std::string joined(directory);
  joined += '/';
  joined += name;
  return joined;
}
