// The project's source paths in order, exactly as entered. Only C sources, C headers and
// assembly sources are ever added; the kind is decided by the exact, case-sensitive ending.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class FILE_KIND { c_source, c_header, assembly, project, other };

FILE_KIND file_kind(std::string_view name);
bool is_source_file(std::string_view name);   // .c, .h or .s
bool is_project_file(std::string_view name);  // .tvr or .TVR

class SOURCE_PATH_LIST {
 public:
  // Appends a source file; any other name is silently ignored. Answers whether it was added.
  bool add_source_file(const std::string& path);
  void clear() { paths_.clear(); }

  const std::vector<std::string>& paths() const { return paths_; }
  bool empty() const { return paths_.empty(); }
  // The first path ends with "s".
  bool is_assembly_project() const;

 private:
  std::vector<std::string> paths_;
};
