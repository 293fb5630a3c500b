// The named constants of the assembly files (CST lines): name to 32-bit value. Emptied at the
// start of each build only, so a file sees the constants of the files assembled before it.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

class ASM_CONSTANT_TABLE {
 public:
  void define(const std::string& name, int32_t value) { values_[name] = value; }
  std::optional<int32_t> find(const std::string& name) const {
    auto found = values_.find(name);
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }
  void clear() { values_.clear(); }
  size_t size() const { return values_.size(); }

 private:
  std::map<std::string, int32_t, std::less<>> values_;
};
