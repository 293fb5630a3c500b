// One record per distinct source path, kept for the life of the process: what the front ends
// store for the file, and its breakpoints by line, which survive rebuilds.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "machine/breakpoint.h"

class SRC_FILE {
 public:
  explicit SRC_FILE(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }

  // Line number -> that line's breakpoint; a null entry is a line whose breakpoint was dropped.
  std::map<int, std::unique_ptr<BREAKPOINT>> breakpoints;

 private:
  std::string path_;
};
