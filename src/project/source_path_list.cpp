#include "project/source_path_list.h"

bool SOURCE_PATH_LIST::add_source_file(const std::string& path) {
  if (!is_source_file(path)) return false;
  paths_.push_back(path);
  return true;
}

bool SOURCE_PATH_LIST::is_assembly_project() const {
  return !paths_.empty() && is_assembly_file(paths_.front());
}
