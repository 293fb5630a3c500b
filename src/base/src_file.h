// One record per distinct source path, kept for the life of the process. Every POSITION points
// to one, so the record sits at the bottom of the program and holds only the path: what the
// subsystems above store for a file (its breakpoints, its C program) they keep keyed by it.
#pragma once

#include <string>

class SRC_FILE {
 public:
  explicit SRC_FILE(std::string path) : path_(std::move(path)) {}
  SRC_FILE(const SRC_FILE&) = delete;
  SRC_FILE& operator=(const SRC_FILE&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};
