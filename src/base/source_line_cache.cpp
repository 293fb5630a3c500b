#include "base/source_line_cache.h"

#include "base/file_tools.h"

std::optional<std::string_view> SOURCE_LINE_CACHE::line(const std::string& path, int line) {
  auto kept = kept_files_.find(path);
  if (kept == kept_files_.end()) {
    std::optional<std::vector<std::string>> lines = files_.read_source_lines(path);
    if (!lines) return std::nullopt;
    kept = kept_files_.emplace(path, std::move(*lines)).first;
  }
  const std::vector<std::string>& lines = kept->second;
  if (line < 1 || static_cast<std::size_t>(line) > lines.size()) return std::string_view();
  return lines[line - 1];
}
