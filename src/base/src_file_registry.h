// One SRC_FILE per distinct path string, for the life of the process. Records are never moved
// or dropped, so positions and breakpoints may keep pointers to them across rebuilds.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/src_file.h"

class SRC_FILE_REGISTRY {
 public:
  // The record of this path, created and registered on first request.
  SRC_FILE& source_file_for(const std::string& path);
  // The record of this path, or null when none was ever requested.
  SRC_FILE* find(const std::string& path) const;
  size_t size() const { return files_.size(); }
  // Every record, in path order.
  std::vector<SRC_FILE*> all() const;

 private:
  std::map<std::string, std::unique_ptr<SRC_FILE>, std::less<>> files_;
};
