// One table for the process: entries are only added, so an index stays valid for good.
#include "base/macro_names.h"

#include <map>
#include <vector>

namespace {

struct MACRO_NAME_TABLE {
  std::vector<std::string> names{std::string()};
  std::map<std::string, int> indexes;
};

MACRO_NAME_TABLE& table() {
  static MACRO_NAME_TABLE the_table;
  return the_table;
}

}  // namespace

int macro_name_index(const std::string& name) {
  MACRO_NAME_TABLE& names = table();
  auto [entry, added] = names.indexes.try_emplace(name, static_cast<int>(names.names.size()));
  if (added) names.names.push_back(name);
  return entry->second;
}

const std::string& macro_name(int index) {
  const MACRO_NAME_TABLE& names = table();
  if (index <= 0 || index >= static_cast<int>(names.names.size())) return names.names[0];
  return names.names[static_cast<size_t>(index)];
}
