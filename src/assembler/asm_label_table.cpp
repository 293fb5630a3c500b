// Label lookup, definition and the end-of-file check for labels used but never defined.
#include "assembler/asm_label_table.h"

#include "base/error_handler.h"

ASM_LABEL* ASM_LABEL_TABLE::find_or_add(const std::string& name, const POSITION& position) {
  if (auto found = by_name_.find(name); found != by_name_.end()) return found->second;
  ASM_LABEL* label = owned_.emplace_back(std::make_unique<ASM_LABEL>(name, position)).get();
  by_name_.emplace(name, label);
  in_order_.push_back(label);
  return label;
}

void ASM_LABEL_TABLE::define(const std::string& name, const POSITION& position, int32_t address,
                             ERROR_HANDLER& error_handler) {
  ASM_LABEL* label = find_or_add(name, position);
  if (label->is_defined()) {
    error_handler.add_position(position);
    error_handler.add_position(*label->definition);
    error_handler.append("Label defined twice.");
    error_handler.error();
    return;
  }
  label->definition = position;
  label->address = address;
}

void ASM_LABEL_TABLE::report_undefined(ERROR_HANDLER& error_handler) const {
  for (const ASM_LABEL* label : in_order_) {
    if (!label->is_defined()) error_handler.error_at(label->first_use, "Label not defined.");
  }
}

void ASM_LABEL_TABLE::clear() {
  by_name_.clear();
  in_order_.clear();
}

void ASM_LABEL_TABLE::release() {
  clear();
  owned_.clear();
}
