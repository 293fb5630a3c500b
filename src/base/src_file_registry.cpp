#include "base/src_file_registry.h"

SRC_FILE& SRC_FILE_REGISTRY::source_file_for(const std::string& path) {
  auto found = files_.find(path);
  if (found != files_.end()) return *found->second;
  auto inserted = files_.emplace(path, std::make_unique<SRC_FILE>(path));
  return *inserted.first->second;
}

SRC_FILE* SRC_FILE_REGISTRY::find(const std::string& path) const {
  auto found = files_.find(path);
  return found == files_.end() ? nullptr : found->second.get();
}

std::vector<SRC_FILE*> SRC_FILE_REGISTRY::all() const {
  std::vector<SRC_FILE*> files;
  files.reserve(files_.size());
  for (const auto& entry : files_) files.push_back(entry.second.get());
  return files;
}
