// The project's source paths in order, exactly as entered. Only C sources, C headers and
// assembly sources are ever added.
#pragma once

#include <string>
#include <vector>

#include "base/file_kind.h"

class SOURCE_PATH_LIST {
 public:
  // Appends a source file; any other name is silently ignored. Answers whether it was added.
  bool add_source_file(const std::string& path);
  void clear() { paths_.clear(); }

  const std::vector<std::string>& paths() const { return paths_; }
  bool empty() const { return paths_.empty(); }
  // The first path is an assembly source.
  bool is_assembly_project() const;

 private:
  std::vector<std::string> paths_;
};
