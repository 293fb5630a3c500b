// Layouts of structures and unions, the search of a member through anonymous members, the
// size of a type or a declared object in words, and the scoped tag table.
#include "cfront/struct_type.h"

#include <algorithm>

#include "base/kind_cast.h"
#include "cfront/constant.h"
#include "cfront/declarations.h"

void STRUCT_LAYOUT::add(MEMBER member) {
  member.offset = is_union ? 0 : words;
  words = is_union ? std::max(words, member.words) : words + member.words;
  members.push_back(member);
}

std::string STRUCT_LAYOUT::display_name() const {
  const std::string word = is_union ? "union" : "struct";
  return tag == nullptr ? word : word + " " + *tag;
}

FOUND_MEMBER find_member(const STRUCT_LAYOUT& layout, INTERNED name) {
  for (const MEMBER& member : layout.members) {
    if (member.name == name) return {&member, member.offset};
    const STRUCT_LAYOUT* anonymous = member.name == nullptr ? layout_of(member.type) : nullptr;
    if (anonymous == nullptr) continue;
    FOUND_MEMBER inner = find_member(*anonymous, name);
    if (inner.member != nullptr) return {inner.member, member.offset + inner.offset};
  }
  return {};
}

STRUCT_LAYOUT* layout_of(const C_TYPE* type) {
  const auto* structure = kind_cast<STRUCT_TYPE>(type);
  return structure == nullptr ? nullptr : structure->layout;
}

int32_t words_of_type(const C_TYPE* type) {
  const STRUCT_LAYOUT* layout = layout_of(type);
  if (layout == nullptr) return 1;
  return layout->complete ? layout->words : 0;
}

int32_t words_of_declarator(const DECLARATOR* declarator) {
  const auto* array = kind_cast<ARRAY_TYPE>(declarator);
  if (array == nullptr) return words_of_type(declarator->type());
  const int32_t count = array->size == nullptr ? 0 : array->size->value;
  return count * words_of_declarator(array->element);
}

STRUCT_LAYOUT* TAG_TABLE::find(INTERNED tag, const std::vector<COMPOUND*>& open_blocks) const {
  for (auto block = open_blocks.rbegin(); block != open_blocks.rend(); ++block)
    if (STRUCT_LAYOUT* found = find_in(tag, *block)) return found;
  return find_in(tag, nullptr);
}

STRUCT_LAYOUT* TAG_TABLE::find_in(INTERNED tag, const COMPOUND* block) const {
  for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry)
    if (entry->tag == tag && entry->block == block) return entry->layout;
  return nullptr;
}

void TAG_TABLE::declare(INTERNED tag, const COMPOUND* block, STRUCT_LAYOUT* layout) {
  entries_.push_back({tag, block, layout});
}
