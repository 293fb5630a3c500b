#include "base/file_kind.h"

FILE_KIND file_kind(std::string_view name) {
  if (name.ends_with(".c")) return FILE_KIND::c_source;
  if (name.ends_with(".h")) return FILE_KIND::c_header;
  if (name.ends_with(".s")) return FILE_KIND::assembly;
  if (name.ends_with(".tvr") || name.ends_with(".TVR")) return FILE_KIND::project;
  return FILE_KIND::other;
}

bool is_source_file(std::string_view name) {
  FILE_KIND kind = file_kind(name);
  return kind == FILE_KIND::c_source || kind == FILE_KIND::c_header || kind == FILE_KIND::assembly;
}

bool is_project_file(std::string_view name) {
  return file_kind(name) == FILE_KIND::project;
}

bool is_assembly_file(std::string_view name) {
  return file_kind(name) == FILE_KIND::assembly;
}
