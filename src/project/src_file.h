// One record per distinct source path, kept for the life of the process: what the front ends
// store for the file, and its breakpoints by line, which survive rebuilds.
#pragma once

#include <string>

class SRC_FILE {
 public:
  explicit SRC_FILE(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};
