// The labels of one assembly file, by exact name, in the order they were first seen. Emptying
// the table forgets the names but keeps the label objects alive, since branches already in the
// ROM point to them; release() frees them once that ROM is gone (at the start of a build).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "isa/asm_label.h"

class ERROR_HANDLER;

class ASM_LABEL_TABLE {
 public:
  // The label of that name, entered undefined and first seen at `position` when it is new.
  ASM_LABEL* find_or_add(const std::string& name, const POSITION& position);
  // Defines the label at `address`; "Label defined twice." (both places) when it already was.
  void define(const std::string& name, const POSITION& position, int32_t address,
              ERROR_HANDLER& error_handler);
  // "Label not defined." at the first use of every label still undefined, in first-seen order.
  void report_undefined(ERROR_HANDLER& error_handler) const;

  void clear();    // a new file: names forgotten, objects kept
  void release();  // a new build: objects freed too
  size_t size() const { return by_name_.size(); }

 private:
  std::map<std::string, ASM_LABEL*, std::less<>> by_name_;
  std::vector<ASM_LABEL*> in_order_;               // this file's labels, first seen first
  std::vector<std::unique_ptr<ASM_LABEL>> owned_;  // every label of the build
};
