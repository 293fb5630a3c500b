// The lines of the source files shown since the last build: a file is read once, when its first
// line is shown, instead of at every step of the debugger. Each build empties the cache, so an
// edited file shows its new text once it is rebuilt.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class FILE_TOOLS;

class SOURCE_LINE_CACHE {
 public:
  explicit SOURCE_LINE_CACHE(FILE_TOOLS& files) : files_(files) {}

  // Line number line of the file, without its line end (empty past the end of the file); the
  // file is read through the file tools when it is not kept yet. Nothing when it cannot be
  // read, which is not kept, so the next request tries again.
  std::optional<std::string_view> line(const std::string& path, int line);
  void clear() { kept_files_.clear(); }

 private:
  FILE_TOOLS& files_;
  std::map<std::string, std::vector<std::string>, std::less<>> kept_files_;
};
